// Frees arrays that the host allocated and handed to an inline wrapper (strings, numbers, arrays
// of interface pointers). The wrappers copy such results and give the buffer back here, so that
// allocation and release happen on the host's side of the library boundary.
#pragma once

#include <cstddef>

#include "OSMacros.h"

namespace adsk {
namespace core {

class Base;

/// Releases a buffer allocated by the host library; null is accepted and ignored.
XI_IMPORT void DeallocateArrayInternal(char* p);
XI_IMPORT void DeallocateArrayInternal(char** p);
XI_IMPORT void DeallocateArrayInternal(int* p);
XI_IMPORT void DeallocateArrayInternal(short* p);
XI_IMPORT void DeallocateArrayInternal(double* p);
XI_IMPORT void DeallocateArrayInternal(bool* p);
XI_IMPORT void DeallocateArrayInternal(float* p);
XI_IMPORT void DeallocateArrayInternal(size_t* p);
XI_IMPORT void DeallocateArrayInternal(adsk::core::Base** p);

/// Frees a host-allocated array of plain values (text, numbers).
template <class T>
void DeallocateArray(T* p) {
  DeallocateArrayInternal(p);
}

/// Frees a host-allocated array of strings (the strings themselves are freed by the host too).
inline void DeallocateArray(char** p) { DeallocateArrayInternal(p); }

/// Frees a host-allocated array of interface pointers; the references they carry were adopted by
/// the caller beforehand, so only the array goes back.
template <typename T>
void DeallocateArray(T** p) {
  DeallocateArrayInternal(reinterpret_cast<adsk::core::Base**>(p));
}

}  // namespace core
}  // namespace adsk

// Buffers that the host allocates for `_raw` results (texts, number arrays, arrays of object
// pointers) and that the inline wrappers hand back through DeallocateArrayInternal. The host
// counts both ends and knows every buffer it handed out, so a test can check the round trip and a
// buffer freed twice or never allocated here stops the process.
#pragma once

#include <string>
#include <vector>

#include "host/values/HostTypes.h"

namespace adsk {
namespace core {
class Base;
}
}  // namespace adsk

namespace fsim {

/// A copy of text in a new char[] (zero-terminated), for a `char* x_raw()` result.
char* newHostString(const std::string& text);
/// A copy of values in a new double[]; size goes to returnSize.
double* newHostDoubles(const std::vector<double>& values, size_t& returnSize);
/// Records an array of object pointers handed out (each element carries its own reference).
void countObjectArray(void* array);

/// A new array of the given object pointers (each already handed out with its reference); its
/// size goes to returnSize.
template <class T>
T** newHostObjectArray(const std::vector<T*>& objects, size_t& returnSize) {
  returnSize = objects.size();
  T** array = new T*[objects.size() > 0 ? objects.size() : 1];
  for (size_t i = 0; i < objects.size(); ++i) array[i] = objects[i];
  countObjectArray(array);
  return array;
}

/// Allocation and release counts since the process started.
HostAllocations hostAllocations();

}  // namespace fsim

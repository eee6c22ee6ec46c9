// Host-allocated result buffers and the exported DeallocateArrayInternal overloads that free them.
#include "host/sim/HostArrays.h"

#include <Core/Deallocator.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace fsim {

namespace {

enum class Kind { String, Numbers, Objects };

struct Ledger {
  HostAllocations counts;
  std::set<const void*> live;
};

Ledger& ledger() {
  static Ledger* instance = new Ledger();  // buffers may be freed after static destruction
  return *instance;
}

void recordAllocation(const void* p, Kind kind) {
  ledger().live.insert(p);
  HostAllocations& c = ledger().counts;
  (kind == Kind::String ? c.strings : kind == Kind::Numbers ? c.numberArrays : c.objectArrays)++;
}

// Checks and counts a buffer coming back; false for null (nothing to free).
bool recordRelease(const void* p, Kind kind) {
  if (!p) return false;
  if (ledger().live.erase(p) == 0) {
    std::fprintf(stderr, "fusionsim: DeallocateArrayInternal of a buffer the host does not own\n");
    std::abort();
  }
  HostAllocations& c = ledger().counts;
  (kind == Kind::String    ? c.stringsFreed
   : kind == Kind::Numbers ? c.numberArraysFreed
                           : c.objectArraysFreed)++;
  return true;
}

template <class T>
void releaseArray(T* p, Kind kind) {
  if (recordRelease(p, kind)) delete[] p;
}

}  // namespace

char* newHostString(const std::string& text) {
  char* p = new char[text.size() + 1];
  std::memcpy(p, text.c_str(), text.size() + 1);
  recordAllocation(p, Kind::String);
  return p;
}

double* newHostDoubles(const std::vector<double>& values, size_t& returnSize) {
  returnSize = values.size();
  double* p = new double[values.empty() ? 1 : values.size()];
  for (size_t i = 0; i < values.size(); ++i) p[i] = values[i];
  recordAllocation(p, Kind::Numbers);
  return p;
}

void countObjectArray(void* array) { recordAllocation(array, Kind::Objects); }

HostAllocations hostAllocations() { return ledger().counts; }

}  // namespace fsim

namespace adsk {
namespace core {

using fsim::Kind;

void DeallocateArrayInternal(char* p) { fsim::releaseArray(p, Kind::String); }
void DeallocateArrayInternal(char** p) { fsim::releaseArray(p, Kind::Objects); }
void DeallocateArrayInternal(int* p) { fsim::releaseArray(p, Kind::Numbers); }
void DeallocateArrayInternal(short* p) { fsim::releaseArray(p, Kind::Numbers); }
void DeallocateArrayInternal(double* p) { fsim::releaseArray(p, Kind::Numbers); }
void DeallocateArrayInternal(bool* p) { fsim::releaseArray(p, Kind::Numbers); }
void DeallocateArrayInternal(float* p) { fsim::releaseArray(p, Kind::Numbers); }
void DeallocateArrayInternal(size_t* p) { fsim::releaseArray(p, Kind::Numbers); }
void DeallocateArrayInternal(adsk::core::Base** p) { fsim::releaseArray(p, Kind::Objects); }

}  // namespace core
}  // namespace adsk

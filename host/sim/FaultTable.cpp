// Fault injection by operation name.
#include "host/sim/FaultTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace fsim {

namespace {

bool knownOperation(const std::string& operation) {
  const std::vector<std::string>& names = FaultTable::operationNames();
  return std::binary_search(names.begin(), names.end(), operation);
}

}  // namespace

void FaultTable::fail(const std::string& operation, FaultMode mode, int call) {
  if (!knownOperation(operation)) throw std::invalid_argument("unknown operation: " + operation);
  if (call < 1) throw std::invalid_argument("call number below 1: " + std::to_string(call));
  faults_[operation] = Fault{mode, call, 0};
}

void FaultTable::clear() { faults_.clear(); }

bool FaultTable::countCall(const char* operation) {
  auto counted = calls_.find(operation);
  if (counted == calls_.end()) {
    if (!knownOperation(operation)) {
      std::fprintf(stderr, "fusionsim: operation %s missing from the name table\n", operation);
      std::abort();
    }
    counted = calls_.emplace(operation, 0).first;
  }
  ++counted->second;
  auto fault = faults_.find(operation);
  if (fault == faults_.end()) return false;
  Fault& f = fault->second;
  ++f.calls;
  switch (f.mode) {
    case FaultMode::Once:
      return f.calls == f.call;
    case FaultMode::FromCall:
      return f.calls >= f.call;
    case FaultMode::Always:
      return true;
  }
  return false;
}

}  // namespace fsim

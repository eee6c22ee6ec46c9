// Fault injection for the simulated host: each API operation has a name "Class.member", and a
// test can make any of them answer null/false on chosen calls. Every `_raw` member asks
// operationFails() first, so that a sweep over operationNames() reaches every operation.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/values/HostTypes.h"

namespace fsim {

class FaultTable {
 public:
  /// Every operation name, sorted.
  static const std::vector<std::string>& operationNames();

  /// Makes `operation` fail as `mode` says, counting its calls from now on (call 1 is the next
  /// one). Replaces an earlier fault of that operation. Throws std::invalid_argument for an
  /// unknown name or a call number below 1.
  void fail(const std::string& operation, FaultMode mode, int call);
  void clear();

  /// Counts one call of `operation` and answers whether it fails. An unknown name is a fault of
  /// the host's own code: it is reported and aborts.
  bool countCall(const char* operation);

  /// Calls of every operation since the table was made or resetCalls() ran, faulted or not; an
  /// operation never called has no entry.
  const std::map<std::string, int>& calls() const { return calls_; }
  void resetCalls() { calls_.clear(); }

 private:
  struct Fault {
    FaultMode mode;
    int call;
    int calls = 0;
  };
  std::map<std::string, Fault> faults_;
  std::map<std::string, int> calls_;
};

/// Counts a call of `operation` in the current session and answers whether it must fail; false
/// when no session exists.
bool operationFails(const char* operation);

}  // namespace fsim

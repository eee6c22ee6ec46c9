// The state of one simulated Fusion 360 process: the application with its user interface and
// design, the open dialog, what the user was shown, and the fault table. HostSession owns it;
// the simulated API objects reach it through Host::current().
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/sim/FaultTable.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimApplication;
class SimCommand;

class Host {
 public:
  /// Becomes the current host. Throws std::logic_error when another host exists.
  Host();
  /// Closes an open dialog without events and invalidates every object of the session; objects
  /// still referenced outside live on, invalid, until released.
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  /// The host of the running session, or null.
  static Host* current();

  /// Records that an operation failed, for Application::getLastError.
  void recordFailure(const char* operation);
  /// Records that an operation failed for `reason`, such as "ExpressionError: ...", which the
  /// error's description gives after the operation's name.
  void recordFailure(const char* operation, const std::string& reason);

  FaultTable faults;
  std::shared_ptr<SimApplication> application;
  std::shared_ptr<SimCommand> openCommand;  ///< the open dialog's command, or null
  std::vector<MessageBoxRecord> messageBoxes;
  std::vector<std::string> handlerErrors;
  /// What handlerErrors records for an exception that is not a std::exception.
  static constexpr char kNonStandardError[] = "exception of a non-standard type";
  /// The undo step that changes of the design belong to; the driver starts a new one for the
  /// handlers of each command it ends.
  std::uint64_t undoStep = 0;
  int viewportRefreshes = 0;
  int lastError = 0;
  std::string lastErrorDescription;
};

}  // namespace fsim

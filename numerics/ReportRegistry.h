// The process-wide set of report listeners and the one mutex that guards it. DiagnosticReport
// delivers through it; tests and debugging code register and unregister listeners. The registry
// never owns a listener.
#pragma once

#include <mutex>
#include <set>
#include <string>

#include "numerics/ReportListener.h"

namespace num {

class ReportRegistry {
 public:
  /// Adds `listener` (at most once; a null pointer is ignored). The caller keeps it alive until
  /// it unregisters it. Takes the registry mutex; throws std::system_error if locking fails.
  static void Register(ReportListener* listener) {
    if (listener == nullptr) return;
    std::lock_guard<std::mutex> lock(Mutex());
    Listeners().insert(listener);
  }

  /// Removes `listener` if it is registered. Takes the registry mutex.
  static void Unregister(ReportListener* listener) {
    std::lock_guard<std::mutex> lock(Mutex());
    Listeners().erase(listener);
  }

  /// Hands `header` followed by `text` to every registered listener whose flags hold `kindBit`,
  /// in the set's order, with the mutex held throughout.
  static void Deliver(int kindBit, const char* header, const std::string& text) {
    std::lock_guard<std::mutex> lock(Mutex());
    for (ReportListener* listener : Listeners()) {
      if ((listener->GetFlags() & kindBit) != 0) {
        listener->Receive(header + text);
      }
    }
  }

 private:
  // Function-local statics: ready before the first report, whatever the order in which other
  // translation units initialise their own statics.
  static std::mutex& Mutex() {
    static std::mutex mutex;
    return mutex;
  }
  static std::set<ReportListener*>& Listeners() {
    static std::set<ReportListener*> listeners;
    return listeners;
  }
};

}  // namespace num

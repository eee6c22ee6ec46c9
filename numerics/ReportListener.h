// Receiver of the numerical library's diagnostic reports. Code that wants to see failed checks
// (tests, a debugging host) derives from it, chooses the kinds it accepts and registers it with
// the ReportRegistry; the library itself never owns a listener.
#pragma once

#include <string>

namespace num {

class ReportListener {
 public:
  /// Flag bits of the kinds a listener accepts; a listener may hold both.
  enum Flags : int { AcceptsAssertions = 1, AcceptsErrors = 2 };

  /// Creates a listener for the kinds whose bits are set in `flags`.
  explicit ReportListener(int flags) : flags_(flags) {}
  virtual ~ReportListener() = default;

  /// The flags word given at construction.
  int GetFlags() const { return flags_; }

  /// Receives the full report text (kind header included). Runs with the registry mutex held, so
  /// it must not report, register or unregister.
  virtual void Receive(const std::string& text) = 0;

 private:
  int flags_;
};

}  // namespace num

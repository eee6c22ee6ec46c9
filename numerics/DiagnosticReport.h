// One failed check of the numerical library, formatted once from the check's source position and
// message. The library's checks build one and report it as an assertion (a caller broke a
// precondition) or as an error (bad input met inside the library); reporting never throws.
#pragma once

#include <string>

#include "numerics/ReportListener.h"
#include "numerics/ReportRegistry.h"

namespace num {

class DiagnosticReport {
 public:
  /// Formats "File: <file>\nFunc: <function>\nLine: <line>\n<message>\n\n" at once, whether or
  /// not any listener is registered.
  DiagnosticReport(const std::string& file, const std::string& function, int line,
                   const std::string& message)
      : text_("File: " + file + "\nFunc: " + function + "\nLine: " + std::to_string(line) + "\n" +
              message + "\n\n") {}

  /// The formatted text, without the kind header.
  const std::string& Text() const { return text_; }

  /// Delivers the report, headed "\nNUM ASSERTION:\n", to the listeners accepting assertions.
  void ReportAssertion() const {
    ReportRegistry::Deliver(ReportListener::AcceptsAssertions, "\nNUM ASSERTION:\n", text_);
  }

  /// Delivers the report, headed "\nNUM ERROR:\n", to the listeners accepting errors.
  void ReportError() const {
    ReportRegistry::Deliver(ReportListener::AcceptsErrors, "\nNUM ERROR:\n", text_);
  }

 private:
  std::string text_;
};

}  // namespace num

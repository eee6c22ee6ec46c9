#include "numerics/DiagnosticReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/RecordingListener.h"

namespace {

using num::ReportListener;
using num_testing::RecordingListener;

TEST(DiagnosticReport, FormatsFileFunctionLineAndMessage) {
  EXPECT_EQ(num::DiagnosticReport("/src/numerics/X.h", "num::X<double>::Y", 42, "Bad.").Text(),
            "File: /src/numerics/X.h\nFunc: num::X<double>::Y\nLine: 42\nBad.\n\n");
  EXPECT_EQ(num::DiagnosticReport("f", "g", 0, "m").Text(), "File: f\nFunc: g\nLine: 0\nm\n\n");
  EXPECT_EQ(num::DiagnosticReport("f", "g", -7, "m").Text(), "File: f\nFunc: g\nLine: -7\nm\n\n");
}

TEST(DiagnosticReport, ReachesTheListenersOfItsKindUnderItsHeader) {
  RecordingListener assertions(ReportListener::AcceptsAssertions);
  RecordingListener errors(ReportListener::AcceptsErrors);
  RecordingListener both(ReportListener::AcceptsAssertions | ReportListener::AcceptsErrors);
  RecordingListener none(0);
  const num::DiagnosticReport report("f", "g", 3, "m");
  report.ReportAssertion();
  report.ReportError();
  const std::string assertion = "\nNUM ASSERTION:\nFile: f\nFunc: g\nLine: 3\nm\n\n";
  const std::string error = "\nNUM ERROR:\nFile: f\nFunc: g\nLine: 3\nm\n\n";
  EXPECT_EQ(assertions.texts, std::vector<std::string>{assertion});
  EXPECT_EQ(errors.texts, std::vector<std::string>{error});
  EXPECT_EQ(both.texts, (std::vector<std::string>{assertion, error}));
  EXPECT_TRUE(none.texts.empty());
}

TEST(ReportRegistry, HoldsAListenerOnceAndForgetsItOnUnregister) {
  RecordingListener listener;
  num::ReportRegistry::Register(&listener);  // a second time: still one delivery per report
  num::DiagnosticReport("f", "g", 1, "m").ReportError();
  EXPECT_EQ(listener.texts.size(), 1u);
  num::ReportRegistry::Unregister(&listener);
  num::DiagnosticReport("f", "g", 1, "m").ReportError();
  EXPECT_EQ(listener.texts.size(), 1u);
}

}  // namespace

#include "numerics/DiagnosticReport.h"

#include <gtest/gtest.h>

#include "tests/support/RecordingListener.h"

namespace {

TEST(DiagnosticReport, FormatsFileFunctionLineAndMessage) {
  const num::DiagnosticReport report("/src/numerics/X.h", "num::X<double>::Y", 42, "Bad thing.");
  EXPECT_EQ(report.Text(),
            "File: /src/numerics/X.h\nFunc: num::X<double>::Y\nLine: 42\nBad thing.\n\n");
}

TEST(DiagnosticReport, WritesLineNumbersInPlainDecimal) {
  EXPECT_EQ(num::DiagnosticReport("f", "g", 0, "m").Text(), "File: f\nFunc: g\nLine: 0\nm\n\n");
  EXPECT_EQ(num::DiagnosticReport("f", "g", -7, "m").Text(), "File: f\nFunc: g\nLine: -7\nm\n\n");
}

TEST(DiagnosticReport, HeadsEachKindWithItsBanner) {
  num_testing::RecordingListener listener;
  const num::DiagnosticReport report("f", "g", 3, "m");
  report.ReportAssertion();
  report.ReportError();
  ASSERT_EQ(listener.texts.size(), 2u);
  EXPECT_EQ(listener.texts[0], "\nNUM ASSERTION:\nFile: f\nFunc: g\nLine: 3\nm\n\n");
  EXPECT_EQ(listener.texts[1], "\nNUM ERROR:\nFile: f\nFunc: g\nLine: 3\nm\n\n");
}

TEST(DiagnosticReport, ReportingWithoutListenersChangesNothing) {
  num::DiagnosticReport("f", "g", 1, "m").ReportAssertion();
  num::DiagnosticReport("f", "g", 1, "m").ReportError();
}

}  // namespace

#include "numerics/ReportRegistry.h"

#include <gtest/gtest.h>

#include "numerics/DiagnosticReport.h"
#include "tests/support/RecordingListener.h"

namespace {

using num::ReportListener;
using num_testing::RecordingListener;

void ReportOneOfEach() {
  num::DiagnosticReport("f", "g", 1, "assertion").ReportAssertion();
  num::DiagnosticReport("f", "g", 2, "error").ReportError();
}

TEST(ReportRegistry, RoutesByTheListenersFlags) {
  RecordingListener assertions(ReportListener::AcceptsAssertions);
  RecordingListener errors(ReportListener::AcceptsErrors);
  RecordingListener both(ReportListener::AcceptsAssertions | ReportListener::AcceptsErrors);
  RecordingListener none(0);
  ReportOneOfEach();
  EXPECT_EQ(assertions.Messages(), std::vector<std::string>{"assertion"});
  EXPECT_EQ(errors.Messages(), std::vector<std::string>{"error"});
  EXPECT_EQ(both.Messages(), (std::vector<std::string>{"assertion", "error"}));
  EXPECT_TRUE(none.texts.empty());
}

TEST(ReportRegistry, HoldsAListenerOnceAndForgetsItOnUnregister) {
  RecordingListener listener;
  num::ReportRegistry::Register(&listener);  // a second time: still one delivery per report
  ReportOneOfEach();
  EXPECT_EQ(listener.texts.size(), 2u);
  num::ReportRegistry::Unregister(&listener);
  ReportOneOfEach();
  EXPECT_EQ(listener.texts.size(), 2u);
  num::ReportRegistry::Unregister(&listener);  // not registered any more: harmless
}

}  // namespace

// The follower driven directly in the simulated host: what it remembers of each curve, what it asks
// the host for when nothing changed, and the words of its message.
#include "curvehost/ParameterFollower.h"

#include <gtest/gtest.h>

#include <Fusion/FusionAll.h>

#include <string>

#include "curve/definition/CurveDefinition.h"
#include "curvehost/DefinitionAttribute.h"
#include "host/driver/HostSession.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::FitStatus;
using vintrel::curve::readCurveDefinition;
using vintrel::curve::writeCurveDefinition;
using vintrel::curvehost::followMessage;
using vintrel::curvehost::FollowReport;
using vintrel::curvehost::kDefinitionGroup;
using vintrel::curvehost::kDefinitionName;
using vintrel::curvehost::ParameterFollower;

namespace {

const fsim::NurbsData kLine{1, false, false, {{0, 0, 0}, {1, 0, 0}}, {0, 0, 1, 1}};

/// The circle of radius r, stored as fitted with r = `stored`.
std::string circleStoredWith(double stored) {
  return writeCurveDefinition(
      {{0.0, 1.0, "r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "0"}, {{"r", stored}}});
}

class ParameterFollowerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.addUserParameter("r", 2.0);
    sketch_ = host.addSketch(fsim::SketchPlane::XY);
    host.addSpline(sketch_, kLine);
    store(circleStoredWith(1.0));
  }
  FollowReport check() { return follower_.check(adsk::core::Application::get()); }
  void store(const std::string& definition) {
    host.setSplineAttribute(sketch_, 0, {kDefinitionGroup, kDefinitionName, definition});
  }
  CurveDefinition stored() const {
    return readCurveDefinition(host.sketches()[0].splineAttributes[0][0].value);
  }

  fsim::HostSession host;
  ParameterFollower follower_;
  std::string sketch_;
};

// The old values put back, as Undo puts them back, are no change of a parameter; a host that gives
// no token to know the curve by makes every look a first one.
TEST_F(ParameterFollowerTest, ACurveIsRefittedOnlyWhenItsParametersChangedSinceTheLastLook) {
  ASSERT_EQ(check().updated.size(), 1u);
  store(circleStoredWith(1.0));
  EXPECT_TRUE(check().updated.empty());
  EXPECT_EQ(stored().parameters.at("r"), 1.0);
  host.failOperation("SketchEntity.entityToken", fsim::FaultMode::Always);
  EXPECT_EQ(check().updated.size(), 1u);
  EXPECT_EQ(stored().parameters.at("r"), 2.0);
}

TEST_F(ParameterFollowerTest, NothingChangedAsksForNoSplineAndWritesNothing) {
  check();
  host.resetOperationCalls();
  EXPECT_TRUE(check().updated.empty());
  const auto calls = host.operationCalls();
  EXPECT_EQ(calls.at("Attribute.value"), 1);
  for (const char* unasked : {"Attribute.parent", "SketchEntity.entityToken",
                              "SketchFixedSpline.replaceGeometry", "Attributes.add"}) {
    EXPECT_EQ(calls.count(unasked), 0u) << unasked;
  }
}

TEST(followMessage, ListsTheFailuresThenTheMissesUnderTheirHeadings) {
  FitStatus met;
  met.controlCount = 11;
  FitStatus missed;
  missed.controlCount = 4096;
  missed.largestDeviation = 0.0993;
  FollowReport report;
  report.updated = {{"Sketch1", met}};
  EXPECT_EQ(followMessage(report), "");
  report.updated.push_back({"Sketch3", missed});
  EXPECT_EQ(followMessage(report),
            "These formula curves were updated, but their new splines miss the tolerance:\n"
            "Sketch3: 4096 spline controls (tolerance 0.002 cm not met: largest deviation 0.0993 "
            "cm)");
  report.updated.pop_back();
  report.failed = {"Sketch2: reason"};
  EXPECT_EQ(followMessage(report),
            "These formula curves could not follow the design's parameters and keep their "
            "shape:\nSketch2: reason");
}

}  // namespace

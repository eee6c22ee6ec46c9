// The follower driven directly in the simulated host: what it remembers of each curve, what it asks
// the host for when nothing changed, and the words of its message.
#include "curvehost/ParameterFollower.h"

#include <gtest/gtest.h>

#include <Fusion/FusionAll.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "curve/definition/CurveDefinition.h"
#include "curve/definition/DefinitionAttribute.h"
#include "host/driver/HostSession.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::FitStatus;
using vintrel::curve::ParameterTable;
using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kDefinitionName;
using vintrel::curve::readCurveDefinition;
using vintrel::curve::writeCurveDefinition;
using vintrel::curvehost::followMessage;
using vintrel::curvehost::FollowReport;
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

// A spring on pitch and r (stored in that order): a change of the first is as much a change as one
// of the last. The end control is the end sample, (r, 0, pitch) at t = 1.
TEST_F(ParameterFollowerTest, ACurveFollowsAChangeOfAnyOfItsParameters) {
  host.addUserParameter("pitch", 2.0);
  store(writeCurveDefinition({{0.0, 1.0, "r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "pitch * t"},
                              {{"pitch", 2.0}, {"r", 2.0}}}));
  EXPECT_TRUE(check().updated.empty());
  for (const auto& [name, value, expected] :
       std::vector<std::tuple<std::string, double, ParameterTable>>{
           {"pitch", 3.0, {{"pitch", 3.0}, {"r", 2.0}}},
           {"r", 4.0, {{"pitch", 3.0}, {"r", 4.0}}}}) {
    host.changeParameters({{name, value}});
    ASSERT_EQ(check().updated.size(), 1u) << name;
    EXPECT_EQ(stored().parameters, expected) << name;
    const std::array<double, 3> end = host.sketches()[0].splines[0].controlPoints.back();
    EXPECT_EQ(end[2], expected.at("pitch")) << name;
    EXPECT_NEAR(end[0], expected.at("r"), 1e-12) << name;
  }
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

// A curve in millimetres reads a length parameter in millimetres when it follows it: r = 5 mm
// reads 5, then 6; its spline goes to the host in centimetres, and it keeps its unit, tolerance
// and coordinates. An angle parameter reads in radians whatever the curve's unit.
TEST_F(ParameterFollowerTest, ACurveFollowsInItsOwnUnitAndCoordinates) {
  host.addUserParameter("w", 0.5, "mm");
  host.addUserParameter("turn", 1.0, "deg");
  CurveDefinition definition{{0.0, 1.0, "w", "turn * t", "0"}, {{"w", 4.0}, {"turn", 1.0}}};
  definition.request.unit = *vintrel::curve::lengthUnitNamed("mm");
  definition.request.tolerance = 0.01;
  definition.request.coordinates = vintrel::curve::Coordinates::Cylindrical;
  store(writeCurveDefinition(definition));
  ASSERT_EQ(check().updated.size(), 1u);
  const CurveDefinition followed = stored();
  EXPECT_EQ(followed.parameters.at("w"), 5.0);
  EXPECT_EQ(followed.parameters.at("turn"), 1.0);
  EXPECT_EQ(followed.request.unit.name, "mm");
  EXPECT_EQ(followed.request.tolerance, 0.01);
  EXPECT_EQ(followed.request.coordinates, vintrel::curve::Coordinates::Cylindrical);
  // An arc of radius 5 mm from angle 0: its first control point at 0.5 cm on the x axis.
  EXPECT_NEAR(host.sketches()[0].splines[0].controlPoints[0][0], 0.5, 1e-12);
  host.changeParameters({{"w", 0.6}});
  ASSERT_EQ(check().updated.size(), 1u);
  EXPECT_EQ(stored().parameters.at("w"), 6.0);
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

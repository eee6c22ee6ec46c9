// The account of a played Parameters dialog, from hand-made designs before and after: the updated
// curve with the status the dialog shows for it, the curves that should have followed, and those
// left out of it. sorvane's own tests play the rest.
#include "tools/ParameterChange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "curve/definition/CurveDefinition.h"

using sorvane::describeParameterChange;
using sorvane::ParameterChange;
using sorvane::ParameterValues;
using vintrel::curve::writeCurveDefinition;

namespace {

const fsim::NurbsData kLine{1, false, false, {{0, 0, 0}, {1, 0, 0}}, {0, 0, 1, 1}};
const fsim::NurbsData kOtherLine{1, false, false, {{0, 0, 0}, {2, 0, 0}}, {0, 0, 1, 1}};

/// A formula curve's attribute: the circle of radius r stored with r = `r`.
fsim::AttributeInfo circleOn(double r) {
  return {"Vintrel", "formulaCurve",
          writeCurveDefinition(
              {{0.0, 1.0, "r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "0"}, {{"r", r}}})};
}

fsim::SketchInfo sketchOf(const std::vector<fsim::NurbsData>& splines,
                          const std::vector<fsim::AttributeInfo>& attributes,
                          const std::vector<bool>& linked) {
  fsim::SketchInfo sketch{"Sketch1", "XY", false, {}, splines, splines, {}, linked};
  for (const fsim::AttributeInfo& attribute : attributes) {
    sketch.splineAttributes.push_back({attribute});
  }
  return sketch;
}

const ParameterValues kBefore{{"pi", 3.141592653589793}, {"r", 1.0}};
const ParameterValues kAfter{{"pi", 3.141592653589793}, {"r", 2.0}};

// Four curves on r, none of them changed by the add-in: one stored with r = 1 (it should have
// followed, yet its formulas give a circle), one unlinked, one up to date, one whose attribute is
// no definition. Only the first is told of, and a parameter one of them names is "used".
TEST(describeParameterChange, TellsOfLinkedCurvesLeftBehindAndOfNothingElse) {
  const fsim::SketchInfo sketch =
      sketchOf({kLine, kLine, kLine, kLine},
               {circleOn(1.0), circleOn(1.0), circleOn(2.0), {"Vintrel", "formulaCurve", "{}"}},
               {true, false, true, true});
  const ParameterChange change =
      describeParameterChange({{"r", 2.0}}, kBefore, kAfter, {sketch}, {sketch});
  EXPECT_EQ(change.summary, "Parameters changed: r = 2");
  EXPECT_TRUE(change.updated.empty());
  EXPECT_FALSE(change.first);
  EXPECT_EQ(change.failed, std::vector<std::string>{"Sketch1:1 could not follow and keeps its "
                                                    "shape: the add-in left it as it was"});
}

TEST(describeParameterChange, AnUpdatedCurveCarriesItsStatusAndIsTheResult) {
  const fsim::SketchInfo before =
      sketchOf({kLine, kLine}, {{"Other", "note", "x"}, circleOn(1.0)}, {true, true});
  const fsim::SketchInfo after =
      sketchOf({kLine, kOtherLine}, {{"Other", "note", "x"}, circleOn(2.0)}, {true, true});
  const ParameterChange change =
      describeParameterChange({{"r", 2.0}}, kBefore, kAfter, {before}, {after});
  EXPECT_EQ(change.updated,
            std::vector<std::string>{"Sketch1:2 updated: 11 spline controls, closed"});
  ASSERT_TRUE(change.first);
  EXPECT_EQ(change.first->spline, 1u);
  EXPECT_EQ(change.firstStatus, "11 spline controls, closed");
}

}  // namespace

// The account of a played Parameters dialog, from hand-made designs before and after: which
// parameters changed, the updated curves with the status the dialog shows for them, the curves
// that could not follow with the reason, and the curves left out of it.
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

const ParameterValues kBefore{{"k", 2.0}, {"pi", 3.141592653589793}, {"r", 1.0}};

TEST(describeParameterChange, SaysWhichOfTheValuesAskedForChanged) {
  const ParameterValues after{{"k", 2.0}, {"pi", 3.141592653589793}, {"r", 3.0}};
  const ParameterChange both =
      describeParameterChange({{"r", 3.0}, {"k", 2.0}}, kBefore, after, {}, {});
  EXPECT_EQ(both.summary, "Parameters changed: r = 3; unchanged: k = 2");
  EXPECT_EQ(both.updated, std::vector<std::string>{"no formula curve uses them"});
  const ParameterChange none = describeParameterChange({{"k", 2.0}}, kBefore, kBefore, {}, {});
  EXPECT_EQ(none.summary, "Parameters unchanged: k = 2");
  EXPECT_TRUE(none.updated.empty());
}

// Three curves on r: the first updated (a closed circle), the second left as it was though its
// stored r is not the design's, the third unlinked. r = 0 makes the second a single point.
TEST(describeParameterChange, TellsTheUpdatedCurvesStatusAndWhyOthersCouldNotFollow) {
  const fsim::SketchInfo before = sketchOf(
      {kLine, kLine, kLine}, {circleOn(1.0), circleOn(1.0), circleOn(1.0)}, {true, true, false});
  const fsim::SketchInfo after =
      sketchOf({kOtherLine, kLine, kLine}, {circleOn(2.0), circleOn(1.0), circleOn(1.0)},
               {true, true, false});
  const ParameterValues two{{"k", 2.0}, {"pi", 3.141592653589793}, {"r", 2.0}};
  const ParameterChange change =
      describeParameterChange({{"r", 2.0}}, kBefore, two, {before}, {after});
  EXPECT_EQ(change.summary, "Parameters changed: r = 2");
  EXPECT_EQ(change.updated,
            std::vector<std::string>{"Sketch1:1 updated: 11 spline controls, closed"});
  ASSERT_TRUE(change.first);
  EXPECT_EQ(change.first->spline, 0u);
  EXPECT_EQ(change.firstStatus, "11 spline controls, closed");
  // The formulas give a circle: the add-in had no reason it could tell.
  EXPECT_EQ(change.failed, std::vector<std::string>{"Sketch1:2 could not follow and keeps its "
                                                    "shape: the add-in left it as it was"});

  const ParameterValues zero{{"k", 2.0}, {"pi", 3.141592653589793}, {"r", 0.0}};
  const ParameterChange flat =
      describeParameterChange({{"r", 0.0}}, kBefore, zero, {before}, {before});
  EXPECT_TRUE(flat.updated.empty());
  EXPECT_FALSE(flat.first);
  EXPECT_EQ(flat.failed, (std::vector<std::string>{
                             "Sketch1:1 could not follow and keeps its shape: The curve is a "
                             "single point (0, 0, 0): give x(t), y(t) or z(t) a term in t, or "
                             "widen the t range",
                             "Sketch1:2 could not follow and keeps its shape: The curve is a "
                             "single point (0, 0, 0): give x(t), y(t) or z(t) a term in t, or "
                             "widen the t range"}));
}

// A curve that names the parameter and already holds its value is no news; an attribute that
// reads as no definition is no formula curve.
TEST(describeParameterChange, CurvesUpToDateOrWithoutFormulasAreLeftOut) {
  const ParameterValues after{{"k", 2.0}, {"pi", 3.141592653589793}, {"r", 3.0}};
  const fsim::SketchInfo current = sketchOf({kLine}, {circleOn(3.0)}, {true});
  const ParameterChange upToDate =
      describeParameterChange({{"r", 3.0}}, kBefore, after, {current}, {current});
  EXPECT_TRUE(upToDate.updated.empty());
  EXPECT_TRUE(upToDate.failed.empty());
  const fsim::SketchInfo damaged =
      sketchOf({kLine}, {{"Vintrel", "formulaCurve", "{\"format\":1}"}}, {true});
  const ParameterChange none =
      describeParameterChange({{"r", 3.0}}, kBefore, after, {damaged}, {damaged});
  EXPECT_EQ(none.updated, std::vector<std::string>{"no formula curve uses them"});
  EXPECT_TRUE(none.failed.empty());
}

}  // namespace

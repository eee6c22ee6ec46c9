// The account of a played Parameters dialog, from hand-made designs before and after: the updated
// curve with the status the dialog shows for it, the curves that should have followed, and those
// left out of it; and the values --set-param asks for. sorvane's own tests play the rest.
#include "tools/session/ParameterChange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "curve/definition/CurveDefinition.h"
#include "tools/session/UsageError.h"

using sorvane::describeParameterChange;
using sorvane::DesignFile;
using sorvane::ParameterChange;
using sorvane::parameterChangeValues;
using sorvane::ParameterKind;
using sorvane::ParameterValues;
using sorvane::UsageError;
using vintrel::curve::CurveRequest;
using vintrel::curve::writeCurveDefinition;

namespace {

const fsim::NurbsData kLine{1, false, false, {{0, 0, 0}, {1, 0, 0}}, {0, 0, 1, 1}};
const fsim::NurbsData kOtherLine{1, false, false, {{0, 0, 0}, {2, 0, 0}}, {0, 0, 1, 1}};

/// A formula curve's attribute: the circle of radius r stored with r = `r` in `unit`.
fsim::AttributeInfo circleOn(double r, const char* unit = "cm") {
  CurveRequest request;
  request.tEnd = 1.0;
  request.xExpression = "r * cos(2 * pi * t)";
  request.yExpression = "r * sin(2 * pi * t)";
  request.zExpression = "0";
  request.unit = *vintrel::curve::lengthUnitNamed(unit);
  return {"Vintrel", "formulaCurve", writeCurveDefinition({request, {{"r", r}}})};
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

const std::vector<fsim::ParameterInfo> kBefore{{"r", 1.0, "", "1"}};
const std::vector<fsim::ParameterInfo> kAfter{{"r", 2.0, "", "2"}};

// Four curves on r, none of them changed by the add-in: one stored with r = 1 (it should have
// followed, yet its formulas give a circle), one unlinked, one up to date, one whose attribute is
// no definition. Only the first is told of, and a parameter one of them names is "used".
TEST(describeParameterChange, TellsOfLinkedCurvesLeftBehindAndOfNothingElse) {
  const fsim::SketchInfo sketch =
      sketchOf({kLine, kLine, kLine, kLine},
               {circleOn(1.0), circleOn(1.0), circleOn(2.0), {"Vintrel", "formulaCurve", "{}"}},
               {true, false, true, true});
  const ParameterChange change =
      describeParameterChange({"r"}, kBefore, kAfter, {sketch}, {sketch});
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
  const ParameterChange change = describeParameterChange({"r"}, kBefore, kAfter, {before}, {after});
  EXPECT_EQ(change.updated,
            std::vector<std::string>{"Sketch1:2 updated: 11 spline controls, closed"});
  ASSERT_TRUE(change.first);
  EXPECT_EQ(change.first->spline, 1u);
  EXPECT_EQ(change.firstStatus, "11 spline controls, closed");
}

// A curve in mm reads a length parameter in mm: stored with r = 20, it is up to date with r at
// 2 cm, and so not told of, while with a unitless r of 2 it should have followed. The summary
// shows each value as the Parameters dialog does.
TEST(describeParameterChange, LengthParametersReadInTheCurvesUnit) {
  const fsim::SketchInfo sketch = sketchOf({kLine}, {circleOn(20.0, "mm")}, {true});
  for (const auto& [unit, expression, length] :
       {std::tuple{"mm", "20 mm", true}, {"", "2", false}}) {
    const ParameterChange change =
        describeParameterChange({"r"}, {{"r", 1.0, unit, "?", length}},
                                {{"r", 2.0, unit, expression, length}}, {sketch}, {sketch});
    EXPECT_EQ(change.summary, std::string("Parameters changed: r = ") + expression);
    EXPECT_EQ(change.failed.empty(), length) << unit;
  }
}

// --set-param's numbers: in the parameter's own unit, or converted from one of the same kind.
TEST(parameterChangeValues, ReadsANumberInTheParametersUnitOrConvertsIt) {
  DesignFile design;
  design.parameters = {{"r", ParameterKind::User, 0.5, "", "mm"},
                       {"a", ParameterKind::Model, 0.1, "", "deg"},
                       {"k", ParameterKind::User, 2, "", ""}};
  EXPECT_EQ(
      parameterChangeValues(design, {{"r", 8, ""},
                                     {"a", 180, ""},
                                     {"k", 3, ""},
                                     {"q", 5, "mm"},
                                     {"r", 2, "in"},
                                     {"a", 1, "rad"}}),
      (ParameterValues{{"r", 0.8}, {"a", M_PI}, {"k", 3}, {"q", 0.5}, {"r", 5.08}, {"a", 1}}));
  for (const sorvane::ParameterSetting& mismatch :
       std::vector<sorvane::ParameterSetting>{{"r", 1, "deg"}, {"a", 1, "mm"}, {"k", 1, "cm"}}) {
    EXPECT_THROW(parameterChangeValues(design, {mismatch}), UsageError) << mismatch.name;
  }
}

}  // namespace

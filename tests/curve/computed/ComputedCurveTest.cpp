// A formula curve computed without a host: its status is its fit's, its definition names only the
// parameters used, a curve in another unit hands over centimetres, and a failing formula is an
// error.
#include "curve/computed/ComputedCurve.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "curve/definition/CurveDefinition.h"
#include "curve/formula/LengthUnit.h"

using vintrel::curve::ComputedCurve;
using vintrel::curve::CurveDefinition;
using vintrel::curve::CurveRequest;
using vintrel::curve::kBuiltInPi;
using vintrel::curve::ParameterTable;
using vintrel::curve::readCurveDefinition;

namespace {

const ParameterTable kParameters{{"pi", kBuiltInPi}, {"r", 2.0}, {"unused", 7.0}};
/// Two turns of a helix of radius r.
const CurveRequest kHelix{0.0, 2.0, "r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "t"};

TEST(ComputedCurve, TheStatusIsTheFitsAndTheDefinitionNamesTheParametersUsed) {
  const ComputedCurve curve(kHelix, kParameters);
  EXPECT_EQ(curve.status().controlCount, curve.fit().curve->ControlPointCount());
  EXPECT_FALSE(curve.status().largestDeviation);
  EXPECT_EQ(curve.statusText(), "32 spline controls");  // the default helix's count, twice as long
  EXPECT_EQ(curve.controlCentimetres(), curve.fit().curve->ControlCoordinates());
  EXPECT_EQ(curve.knots(), curve.fit().curve->Basis().KnotVector());
  const CurveDefinition stored = readCurveDefinition(curve.definition());
  EXPECT_EQ(stored.request.xExpression, kHelix.xExpression);
  EXPECT_EQ(stored.request.tEnd, 2.0);
  EXPECT_EQ(stored.parameters, (ParameterTable{{"r", 2.0}}));
}

// A curve in millimetres is fitted in millimetres and handed over in centimetres: every control
// coordinate a tenth, and the definition in millimetres.
TEST(ComputedCurve, ACurveInAnotherUnitGivesCentimetres) {
  CurveRequest inMillimetres{0.0, 1.0, "20 * cos(2 * pi * t)", "20 * sin(2 * pi * t)", "0"};
  inMillimetres.unit = *vintrel::curve::lengthUnitNamed("mm");
  inMillimetres.tolerance = 0.05;
  const ComputedCurve curve(inMillimetres, kParameters);
  const std::vector<double>& fitted = curve.fit().curve->ControlCoordinates();
  const std::vector<double> handed = curve.controlCentimetres();
  ASSERT_EQ(handed.size(), fitted.size());
  for (std::size_t i = 0; i < fitted.size(); ++i) EXPECT_EQ(handed[i], fitted[i] / 10) << i;
  const CurveDefinition stored = readCurveDefinition(curve.definition());
  EXPECT_EQ(stored.request.unit.name, "mm");
  EXPECT_EQ(stored.request.tolerance, 0.05);
  EXPECT_EQ(curve.statusText().find(" mm"), std::string::npos);  // met: no unit to name
}

TEST(ComputedCurve, AFailingFormulaIsAnError) {
  try {
    ComputedCurve({0.0, 1.0, "radius * t", "0", "0"}, kParameters);
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()).rfind("x(t): \"radius\" is not a parameter", 0), 0u)
        << error.what();
  }
}

}  // namespace

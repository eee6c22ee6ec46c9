#include "curve/formula/CurveFormula.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using vintrel::curve::CurveFormula;
using vintrel::curve::ParameterTable;
using vintrel::curve::SamplePoint;
using vintrel::curve::SamplePoints;

namespace {

const ParameterTable kConstants{{"pi", 3.141592653589793}, {"r", 2.0}, {"t", 99.0}};

std::string errorAt(CurveFormula& formula, double t) {
  try {
    formula.pointAt(t);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "no error";
}

// Blank formulas are 0, the design's constants are known by name, and the curve's t hides the
// parameter named t (99 here): at t = 0.5, x = 2 · 0.5, y = 0, z = 0.5 + 1.
TEST(CurveFormula, GivesThePointOfTheThreeFormulas) {
  CurveFormula formula({0.0, 1.0, "r * t", " ", "t + 1"}, kConstants);
  const SamplePoint p = formula.pointAt(0.5);
  EXPECT_EQ(p.x, 1.0);
  EXPECT_EQ(p.y, 0.0);
  EXPECT_EQ(p.z, 1.5);
  EXPECT_EQ(formula.pointAt(2.0).z, 3.0);  // the same parsers, any t, any order
}

// Errors name the coordinate: muparser's (explained) at the first point, and a value that is not
// finite at any point.
TEST(CurveFormula, NamesTheCoordinateOfAnError) {
  CurveFormula unknown({0.0, 1.0, "t", "R * t", "0"}, kConstants);
  EXPECT_EQ(errorAt(unknown, 0.0),
            "y(t): \"R\" is not a parameter of this design (nor t, pi or a function); did you "
            "mean \"r\"?");
  CurveFormula pole({0.0, 1.0, "t", "0", "1 / (t - 0.25)"}, kConstants);
  EXPECT_EQ(pole.pointAt(0.0).z, -4.0);
  EXPECT_EQ(errorAt(pole, 0.25), "z(t) is not a finite number at t = 0.25");
  CurveFormula twoLines({0.0, 1.0, "(t\n", "0", "0"}, kConstants);
  EXPECT_EQ(errorAt(twoLines, 0.0).find('\n'), std::string::npos);
}

// Many points at once are the points one at a time; the first t (in the given order) where a
// value is not finite is named, as pointAt names it.
TEST(CurveFormula, GivesManyPointsAsOneAtATime) {
  CurveFormula formula({0.0, 1.0, "cos(t)", "", "r * t"}, kConstants);
  const std::vector<double> t = {0.0, 0.25, -3.0, 1e6};
  SamplePoints points{{9.0, 9.0, 9.0}};
  formula.appendPointsAt(t, points);
  ASSERT_EQ(points.size(), 5u);
  EXPECT_EQ(points[0].x, 9.0);  // appended behind what was there
  for (std::size_t k = 0; k < t.size(); ++k) {
    const SamplePoint one = formula.pointAt(t[k]);
    EXPECT_EQ(points[k + 1].x, one.x);
    EXPECT_EQ(points[k + 1].y, 0.0);
    EXPECT_EQ(points[k + 1].z, one.z);
  }
  CurveFormula pole({0.0, 1.0, "1 / (t - 0.5)", "1 / (t - 0.25)", "0"}, kConstants);
  SamplePoints none;
  try {
    pole.appendPointsAt({0.0, 0.5, 0.25}, none);
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "x(t) is not a finite number at t = 0.5");
  }
}

}  // namespace

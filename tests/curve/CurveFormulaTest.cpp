#include "curve/CurveFormula.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

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

}  // namespace

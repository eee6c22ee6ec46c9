#include "curve/formula/CurveFormula.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using vintrel::curve::CurveFormula;
using vintrel::curve::CurveRequest;
using vintrel::curve::ParameterTable;
using vintrel::curve::SamplePoint;
using vintrel::curve::SamplePoints;

namespace {

const ParameterTable kConstants{{"pi", 3.141592653589793}, {"r", 2.0}, {"t", 99.0}};

CurveRequest withDefinitions(const std::string& definitions, const std::string& x,
                             const std::string& y = "0", const std::string& z = "0") {
  CurveRequest request{0.0, 1.0, x, y, z};
  request.definitions = definitions;
  return request;
}

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

// The definition r hides the parameter r (2): at t = 0.5, a = 2 · 0.5 = 1 and r = 1 + 4 = 5, so
// x = 5, y = a · t = 0.5 and the blank z = 0; each definition and formula is evaluated once per t.
TEST(CurveFormula, EvaluatesEachDefinitionOnceAtEachTBeforeTheFormulas) {
  CurveFormula formula(withDefinitions("a = 2 * t\nr = a + 4", "r", "a * t", " "), kConstants);
  const SamplePoint p = formula.pointAt(0.5);
  EXPECT_EQ(p.x, 5.0);
  EXPECT_EQ(p.y, 0.5);
  EXPECT_EQ(p.z, 0.0);
  EXPECT_EQ(formula.evaluations(), 4u);
  const std::vector<double> t = {0.0, 0.25, -3.0, 1e6};
  SamplePoints points;
  formula.appendPointsAt(t, points);
  EXPECT_EQ(formula.evaluations(), 4u + 4 * t.size());
  for (std::size_t k = 0; k < t.size(); ++k) EXPECT_EQ(points[k].y, formula.pointAt(t[k]).y);
}

// Each message names the definition's line: muparser's complaints explained as a formula's, a
// name used before its definition, reading's refusals (before any formula's, on one line) and
// values that are not finite, a definition's before a formula's at the same t.
TEST(CurveFormula, NamesTheDefinitionOfAnError) {
  const std::vector<std::pair<CurveRequest, std::string>> cases = {
      {withDefinitions("a = 1\nk = (t", "k"),
       "Definitions, line 2: the \"(\" at position 0 is never closed; add \")\" where its part "
       "ends"},
      {withDefinitions("a = k * 2\n\nk = 1", "a"),
       "Definitions, line 1: \"k\" is defined later, on line 3; define it before it is used"},
      {withDefinitions("r = r + 1", "r"),
       "Definitions, line 1: \"r\" is used in its own definition, where it has no value yet"},
      {withDefinitions("kk = 1", "t", "kj"),  // the guess at a misspelt name knows definitions
       "y(t): \"kj\" is not a parameter of this design (nor t, pi or a function); did you mean "
       "\"kk\"?"},
      {withDefinitions("k\tx = 1", "(t"),
       "Definitions, line 1: \"k x\" is not a name: use letters, digits and _, and begin with a "
       "letter or _"},
      // A DEL is no blank to trim and no line break, yet the quote shows a blank in its place.
      {withDefinitions("a\x7F", "t"),
       "Definitions, line 1: \"a \" has no \"=\"; write name = expression"},
      {withDefinitions("\n\nk = 1 / (t - 0.5)", "k"),
       "Definitions, line 3 (k) is not a finite number at t = 0.5"},
      {withDefinitions("a = 1; k = 1 / (t - 0.5)", "1 / (t - 0.5)"),
       "Definitions, line 1 (k) is not a finite number at t = 0.5"},
  };
  for (const auto& [request, message] : cases) {
    CurveFormula formula(request, kConstants);
    EXPECT_EQ(errorAt(formula, 0.5), message) << request.definitions;
  }
  // Of many points, the first t (in the given order) where any value is not finite.
  CurveFormula pole(withDefinitions("k = 1 / (t - 0.5)", "1 / (t - 0.25)"), kConstants);
  for (const auto& [t, message] : std::vector<std::pair<std::vector<double>, std::string>>{
           {{0.0, 0.5, 0.25}, "Definitions, line 1 (k) is not a finite number at t = 0.5"},
           {{0.0, 0.25, 0.5}, "x(t) is not a finite number at t = 0.25"}}) {
    SamplePoints points;
    try {
      pole.appendPointsAt(t, points);
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(error.what(), message);
    }
  }
}

}  // namespace

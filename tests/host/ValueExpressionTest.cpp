// Value input expressions: plain numbers for unitless inputs, numbers with units otherwise, and
// arithmetic of numbers, pi and the design's parameters.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "host/driver/HostSession.h"
#include "host/sim/ValueExpression.h"

namespace {

using fsim::evaluateExpression;

TEST(ValueExpression, UnitlessInputsTakePlainNumbers) {
  const std::pair<const char*, double> cases[] = {
      {"0.0", 0.0}, {"3.0", 3.0}, {" -2.5 ", -2.5}, {"1e-3", 0.001}, {".5", 0.5}};
  for (const auto& c : cases) {
    double value = 99;
    EXPECT_TRUE(evaluateExpression(c.first, "", value)) << c.first;
    EXPECT_EQ(value, c.second) << c.first;
  }
}

TEST(ValueExpression, RefusesWhatItCannotEvaluate) {
  for (const char* text : {"", "  ", "abc", "3 mm", "2 pi", "nan", "inf", "2*pj", "1,5", "_pi",
                           "1/0", "sqrt(-1)", "pi = 3", "2 *", "1e400"}) {
    double value = 99;
    EXPECT_FALSE(evaluateExpression(text, "", value)) << text;
    EXPECT_EQ(value, 99) << text;
  }
}

TEST(ValueExpression, UnitsConvertToDatabaseUnits) {
  double value = 0;
  EXPECT_TRUE(evaluateExpression("10 mm", "cm", value));
  EXPECT_DOUBLE_EQ(value, 1.0);
  EXPECT_TRUE(evaluateExpression("2", "mm", value));  // the input's unit: 2 mm = 0.2 cm
  EXPECT_DOUBLE_EQ(value, 0.2);
  EXPECT_TRUE(evaluateExpression("180 deg", "rad", value));
  EXPECT_DOUBLE_EQ(value, M_PI);
  EXPECT_FALSE(evaluateExpression("1 deg", "cm", value));  // an angle for a length
  // Every length unit a design may have, by its exact size: 500 mil = 0.5 in = 1.27 cm.
  const std::pair<const char*, double> lengths[] = {
      {"500 mil", 1.27}, {"500mil", 1.27}, {"2 hm", 2e4}, {"1 mi", 160934.4}, {"1nmi", 185200}};
  for (const auto& [text, centimetres] : lengths) {
    EXPECT_TRUE(evaluateExpression(text, "cm", value)) << text;
    EXPECT_EQ(value, centimetres) << text;
  }
  EXPECT_TRUE(evaluateExpression("500", "mil", value));
  EXPECT_EQ(value, 1.27);
}

TEST(ValueExpression, ArithmeticOfNumbersPiAndNames) {
  const fsim::ExpressionNames names{{"r", 1.5}, {"turns", 4}};
  const std::pair<const char*, double> cases[] = {
      {"2*pi", 2 * M_PI},   {" 4 * pi ", 4 * M_PI},  {"1/2", 0.5},       {"r", 1.5},
      {"turns * r - 1", 5}, {"(r + 0.5)^2 - 8", -4}, {"sqrt(16) + 0", 4}};
  for (const auto& c : cases) {
    double value = 99;
    EXPECT_TRUE(evaluateExpression(c.first, "", value, names)) << c.first;
    EXPECT_EQ(value, c.second) << c.first;
  }
  double value = 99;
  EXPECT_FALSE(evaluateExpression("R", "", value, names));  // names keep their case
  EXPECT_FALSE(evaluateExpression("r", "", value));
  EXPECT_EQ(value, 99);
  // A parameter named pi replaces the constant.
  EXPECT_TRUE(evaluateExpression("2 * pi", "", value, {{"pi", 3}}));
  EXPECT_EQ(value, 6);
}

TEST(ValueExpression, ArithmeticIsTakenInTheInputsUnitWithNoUnitInside) {
  double value = 0;
  EXPECT_TRUE(evaluateExpression("90 * 2", "deg", value));
  EXPECT_DOUBLE_EQ(value, M_PI);
  EXPECT_TRUE(evaluateExpression("5 + 5", "mm", value));
  EXPECT_DOUBLE_EQ(value, 1.0);
  EXPECT_FALSE(evaluateExpression("1 deg * 2", "rad", value));
  EXPECT_FALSE(evaluateExpression("1 + 1", "furlong", value));
  EXPECT_DOUBLE_EQ(value, 1.0);
}

TEST(ValueExpression, TheDesignsNumericParametersAreTheNamesInADesign) {
  double value = 0;
  EXPECT_FALSE(fsim::evaluateInDesign("r * 2", "", value));  // no host, no names
  EXPECT_TRUE(fsim::evaluateInDesign("2 * pi", "", value));
  EXPECT_EQ(value, 2 * M_PI);
  fsim::HostSession host;
  host.addUserParameter("r", 1.25);
  host.addModelParameter("d1", 3);
  host.addTextParameter("label", "spring");
  EXPECT_TRUE(fsim::evaluateInDesign("r * d1", "", value));
  EXPECT_EQ(value, 3.75);
  EXPECT_FALSE(fsim::evaluateInDesign("label", "", value));  // a text has no number
  EXPECT_EQ(value, 3.75);
}

TEST(ValueExpression, NumberTextReadsBack) {
  EXPECT_EQ(fsim::numberText(3.0), "3");
  EXPECT_EQ(fsim::numberText(0.1), "0.1");
  double value = 0;
  ASSERT_TRUE(evaluateExpression(fsim::numberText(1.0 / 3.0), "", value));
  EXPECT_EQ(value, 1.0 / 3.0);
}

}  // namespace

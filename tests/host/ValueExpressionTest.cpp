// Value input expressions: plain numbers for unitless inputs, numbers with units otherwise.
#include <gtest/gtest.h>

#include <cmath>

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
  for (const char* text : {"", "  ", "abc", "1/2", "3 mm", "2 pi", "nan", "inf"}) {
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
}

TEST(ValueExpression, NumberTextReadsBack) {
  EXPECT_EQ(fsim::numberText(3.0), "3");
  EXPECT_EQ(fsim::numberText(0.1), "0.1");
  double value = 0;
  ASSERT_TRUE(evaluateExpression(fsim::numberText(1.0 / 3.0), "", value));
  EXPECT_EQ(value, 1.0 / 3.0);
}

}  // namespace

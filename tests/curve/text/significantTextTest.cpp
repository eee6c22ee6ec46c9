#include "curve/text/significantText.h"

#include <gtest/gtest.h>

#include <locale>

using vintrel::curve::significantText;

namespace {

TEST(significantText, RoundsWithoutTrailingZeros) {
  EXPECT_EQ(significantText(0.49999999999999994, 7), "0.5");
  EXPECT_EQ(significantText(3.141592653589793, 7), "3.141593");
  EXPECT_EQ(significantText(-2.449293598294706e-16, 7), "-2.449294e-16");
  EXPECT_EQ(significantText(12345678.9, 7), "1.234568e+07");
  EXPECT_EQ(significantText(1000000.01, 9), "1000000.01");
  EXPECT_EQ(significantText(0.0, 7), "0");
}

struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(significantText, KeepsTheDecimalPointUnderAnyGlobalLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  const std::string text = significantText(1.5, 7);
  std::locale::global(previous);
  EXPECT_EQ(text, "1.5");
}

}  // namespace

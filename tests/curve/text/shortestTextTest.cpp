// The shortest text of a double: the messages' numbers and sorvane's JSON, DXF and picture use it.
#include "curve/text/shortestText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

using vintrel::curve::shortestText;

namespace {

TEST(shortestText, WritesTheShortestForm) {
  EXPECT_EQ(shortestText(3.0), "3");
  EXPECT_EQ(shortestText(0.1), "0.1");
  EXPECT_EQ(shortestText(-2.5), "-2.5");
  EXPECT_EQ(shortestText(3.141592653589793), "3.141592653589793");  // the double nearest to pi
  EXPECT_EQ(shortestText(1e-7), "1e-07");
}

TEST(shortestText, ReadsBackBitForBit) {
  const double values[] = {1.0 / 3,
                           0.1 + 0.2,  // 0.30000000000000004: needs all 17 digits
                           -0.0,
                           1e-300,
                           std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::max(),
                           std::nextafter(1.0, 2.0),
                           -123456.789e10};
  for (double value : values) {
    const std::string text = shortestText(value);
    const double back = std::strtod(text.c_str(), nullptr);
    EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
  }
}

TEST(shortestText, NamesValuesThatAreNotFinite) {
  EXPECT_EQ(shortestText(INFINITY), "inf");
  EXPECT_EQ(shortestText(-INFINITY), "-inf");
  EXPECT_EQ(shortestText(NAN), "nan");
}

}  // namespace

#include "numerics/Point3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Points with a coordinate that is not finite take no part: the box of (0,0,0) and (3,4,12) has
// the diagonal 13, whatever lies at infinity or is not a number.
TEST(Point3, MeasuresTheBoxOfTheFinitePoints) {
  const std::vector<double> points = {0, 0, 0, HUGE_VAL, 1, 1, 3, 4, 12, std::nan(""), 0, 0};
  EXPECT_DOUBLE_EQ(num::BoxDiagonal(points.data(), 4), 13.0);
  EXPECT_EQ(num::BoxDiagonal(points.data(), 0), 0.0);
  EXPECT_EQ(num::LargestFiniteMagnitude(points.data(), points.size()), 12.0);
  const std::vector<double> negative = {-7.5, 2.0, -HUGE_VAL};
  EXPECT_EQ(num::LargestFiniteMagnitude(negative.data(), negative.size()), 7.5);
}

}  // namespace

#include "numerics/UniformCubicBasis.h"

#include <gtest/gtest.h>

namespace {

using Basis = num::UniformCubicBasis<double>;

// The uniform cubic B-spline at the span's start, middle and end: 1/6 4/6 1/6 0, then
// 1/48 23/48 23/48 1/48 (from (1/2)³ / 6 and (4 - 6/4 + 3/8) / 6), then 0 1/6 4/6 1/6.
TEST(UniformCubicBasis, GivesTheKnownValues) {
  const struct {
    double s;
    double values[4];
  } cases[] = {
      {0.0, {1.0 / 6, 4.0 / 6, 1.0 / 6, 0.0}},
      {0.5, {1.0 / 48, 23.0 / 48, 23.0 / 48, 1.0 / 48}},
      {1.0, {0.0, 1.0 / 6, 4.0 / 6, 1.0 / 6}},
  };
  for (const auto& c : cases) {
    double values[4];
    Basis::Values(c.s, values);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(values[i], c.values[i], 1e-16) << c.s << " " << i;
  }
}

// One control at 1 and the others at 0 give that control's basis function, so the polynomial's
// values must be the basis values; they also add up to 1.
TEST(UniformCubicBasis, PolynomialOfOneControlIsItsBasisFunction) {
  for (int i = 0; i < 4; ++i) {
    double c[4] = {0, 0, 0, 0};
    c[i] = 1;
    double a[4];
    Basis::PowerCoefficients(c[0], c[1], c[2], c[3], a);
    for (double s = 0; s <= 1; s += 0.125) {
      double values[4];
      Basis::Values(s, values);
      EXPECT_NEAR(((a[3] * s + a[2]) * s + a[1]) * s + a[0], values[i], 1e-15) << i << " " << s;
      EXPECT_NEAR(values[0] + values[1] + values[2] + values[3], 1.0, 1e-15);
    }
  }
}

}  // namespace

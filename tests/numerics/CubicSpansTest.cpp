#include "numerics/CubicSpans.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/BSplineCurve.h"

namespace {

using Spans = num::CubicSpans<double>;
using Curve = num::BSplineCurve<double>;

std::vector<double> SomeControls(int n) {
  std::vector<double> controls;
  for (int i = 0; i < n; ++i) {
    controls.push_back(std::cos(0.7 * i) * (2 + 0.3 * (i % 3)));
    controls.push_back(std::sin(0.7 * i) * 2);
    controls.push_back(0.2 * i - 0.1 * (i % 2));
  }
  return controls;
}

// The spans give the clamped curve's points, for counts with end spans only (4 to 9) and with
// uniform spans inside, on and between the knots and beyond the ends.
TEST(CubicSpans, EvaluatesTheClampedCurve) {
  for (int n : {4, 5, 6, 7, 9, 10, 33}) {
    Curve curve(3, SomeControls(n), Curve::ClampedUniformSetup(n, 3));
    const Spans spans = Spans::FromClamped(curve);
    ASSERT_EQ(spans.SpanCount(), n - 3);
    ASSERT_FALSE(spans.Periodic());
    for (int i = -4; i <= 1000 + 4; ++i) {
      const double u = i / 1000.0;
      double expected[3], point[3];
      curve.EvaluatePoint(u, expected);
      spans.Evaluate(u, point);
      for (int j = 0; j < 3; ++j) ASSERT_NEAR(point[j], expected[j], 1e-13) << n << " " << u;
    }
  }
}

// The periodic curve at u = 0 is (c0 + 4 c1 + c2) / 6 (the basis values 1/6, 4/6, 1/6 of the
// span's first three controls); it repeats with period 1 and runs through the controls' averages
// without a seam.
TEST(CubicSpans, EvaluatesThePeriodicCurveAroundTheSeam) {
  for (int n : {4, 5, 12}) {
    const std::vector<double> c = SomeControls(n);
    const Spans spans = Spans::FromPeriodic(c);
    ASSERT_EQ(spans.SpanCount(), n);
    ASSERT_TRUE(spans.Periodic());
    double start[3];
    spans.Evaluate(0.0, start);
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(start[j], (c[j] + 4 * c[3 + j] + c[6 + j]) / 6, 1e-15);
    for (double u : {0.0, 0.3, 0.999, 1e-9}) {
      double a[3], b[3], c2[3];
      spans.Evaluate(u, a);
      spans.Evaluate(u + 1, b);
      spans.Evaluate(u - 2, c2);
      for (int j = 0; j < 3; ++j) {
        EXPECT_NEAR(a[j], b[j], 1e-13) << u;
        EXPECT_NEAR(a[j], c2[j], 1e-13) << u;
      }
    }
    // Point, slope and bend agree just before and just after the seam.
    double p0[3], d0[3], s0[3], p1[3], d1[3], s1[3];
    spans.Evaluate(0.0, p0, d0, s0);
    spans.Evaluate(1.0 - 1e-12, p1, d1, s1);
    for (int j = 0; j < 3; ++j) {
      EXPECT_NEAR(p0[j], p1[j], 1e-9);
      EXPECT_NEAR(d0[j], d1[j], 1e-6);
      EXPECT_NEAR(s0[j], s1[j], 1e-3);
    }
  }
}

// Derivatives against central differences of the points, inside spans and on the knots.
TEST(CubicSpans, DifferentiatesWithRespectToU) {
  Curve curve(3, SomeControls(12), Curve::ClampedUniformSetup(12, 3));
  const Spans spans = Spans::FromClamped(curve);
  const double h = 1e-5;
  for (double u : {0.05, 0.2, 0.5, 0.73, 0.9}) {
    double p[3], first[3], second[3], before[3], after[3];
    spans.Evaluate(u, p, first, second);
    spans.Evaluate(u - h, before);
    spans.Evaluate(u + h, after);
    for (int j = 0; j < 3; ++j) {
      EXPECT_NEAR(first[j], (after[j] - before[j]) / (2 * h), 1e-4) << u;
      EXPECT_NEAR(second[j], (after[j] - 2 * p[j] + before[j]) / (h * h), 2.0) << u;
    }
  }
}

// Four controls in a row on the x axis make the segment C(u) = (3u, 0, 0) (end spans only): the
// nearest point to (1.2, 0.5, 0) is (1.2, 0, 0) at u = 0.4, whichever parameter nearby the search
// starts from, and beyond the end the end point is nearest.
TEST(CubicSpans, FindsTheNearestPointNearAParameter) {
  Curve line(3, {0, 0, 0, 1, 0, 0, 2, 0, 0, 3, 0, 0}, Curve::ClampedUniformSetup(4, 3));
  const Spans spans = Spans::FromClamped(line);
  const double beside[3] = {1.2, 0.5, 0.0};
  for (double near : {0.1, 0.4, 0.9}) {
    EXPECT_NEAR(spans.SquaredDistanceNear(beside, near), 0.25, 1e-14) << near;
  }
  const double beyond[3] = {3.3, 0.4, 0.0};
  EXPECT_NEAR(spans.SquaredDistanceNear(beyond, 0.95), 0.25, 1e-14);  // 0.3² + 0.4²
  const double notANumber[3] = {std::nan(""), 0.0, 0.0};
  EXPECT_TRUE(std::isnan(spans.SquaredDistanceNear(notANumber, 0.5)));
}

// Twelve controls on a circle of radius 1.5 make a closed curve close to a circle: a point just
// past the seam is found from a parameter just before it, the search wrapping around.
TEST(CubicSpans, SearchesAcrossTheSeamOfAPeriodicCurve) {
  std::vector<double> controls;
  for (int i = 0; i < 12; ++i) {
    controls.insert(controls.end(), {1.5 * std::cos(0.5235987755982988 * i),
                                     1.5 * std::sin(0.5235987755982988 * i), 0.0});
  }
  const Spans spans = Spans::FromPeriodic(controls);
  double onCurve[3];
  spans.Evaluate(0.01, onCurve);
  const double target[3] = {onCurve[0], onCurve[1], 0.3};
  EXPECT_NEAR(spans.SquaredDistanceNear(target, 0.995), 0.09, 1e-12);
  EXPECT_NEAR(spans.SquaredDistanceNear(target, 0.02), 0.09, 1e-12);
}

}  // namespace

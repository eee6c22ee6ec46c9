#include "curve/fit/fitMeetsTolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/BSplineCurve.h"

using vintrel::curve::SampledCurve;
using vintrel::curve::spansMeetTolerance;

namespace {

using Spans = num::CubicSpans<double>;

// The segment C(u) = (3u, 0, 0) of four controls in a row.
const num::BSplineCurve<double> kSegment(3, {0, 0, 0, 1, 0, 0, 2, 0, 0, 3, 0, 0},
                                         num::BSplineCurve<double>::ClampedUniformSetup(4, 3));

// Five samples at u = k / 4 of the segment, the midpoints between them, each point moved off the
// segment by `offset` in y.
SampledCurve besideTheSegment(double offset) {
  SampledCurve curve;
  for (int k = 0; k <= 4; ++k) curve.samples.push_back({0.75 * k, offset, 0.0});
  for (int k = 0; k < 4; ++k) curve.midpoints.push_back({0.75 * k + 0.375, offset, 0.0});
  return curve;
}

// Points at exactly the tolerance pass; points a little beyond fail.
TEST(spansMeetTolerance, PassesPointsUpToTheTolerance) {
  const Spans spans = Spans::FromClamped(kSegment);
  EXPECT_TRUE(spansMeetTolerance(spans, besideTheSegment(0.25), 0.25));
  EXPECT_FALSE(spansMeetTolerance(spans, besideTheSegment(0.25), 0.2499));
  EXPECT_TRUE(spansMeetTolerance(spans, besideTheSegment(0.0), 0.0));
}

// One point out of order along the segment (its own curve point 1.5 away) still lies on it: the
// search near its own parameter finds that. A probe beside the segment fails the check, one on
// it does not.
TEST(spansMeetTolerance, SearchesNearAPointWhoseOwnCurvePointIsFar) {
  const Spans spans = Spans::FromClamped(kSegment);
  SampledCurve curve = besideTheSegment(0.0);
  curve.midpoints[1] = {0.9, 0.001, 0.0};  // own parameter 0.375: own point at x = 1.125
  EXPECT_TRUE(spansMeetTolerance(spans, curve, 0.002));
  curve.probes.push_back({1.5, 0.0, 0.0});  // probe 0, own parameter 0.5
  EXPECT_TRUE(spansMeetTolerance(spans, curve, 0.002));
  curve.probes.push_back({2.0, 0.01, 0.0});
  EXPECT_FALSE(spansMeetTolerance(spans, curve, 0.002));
}

// A point that is not a number has no distance and fails nothing.
TEST(spansMeetTolerance, PassesOverPointsThatAreNotNumbers) {
  const Spans spans = Spans::FromClamped(kSegment);
  SampledCurve curve = besideTheSegment(0.0);
  curve.midpoints[2].y = std::nan("");
  EXPECT_TRUE(spansMeetTolerance(spans, curve, 0.002));
}

}  // namespace

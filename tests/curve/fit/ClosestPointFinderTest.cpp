#include "curve/fit/ClosestPointFinder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

#include "tests/support/SampledCurves.h"

using vintrel::curve::ClosestPoint;
using vintrel::curve::ClosestPointFinder;
using vintrel::curve::SamplePoint;
using vintrel::curve::SamplePoints;
using vintrel::curve::squaredDistance;

// Counts every allocation of this test program, to show that a search makes none.
namespace {
int allocationCount = 0;
}
void* operator new(std::size_t size) {
  ++allocationCount;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using curve_testing::fitted;
using curve_testing::sampled;

// The fit of evenly spaced points of the segment from (0, 0, 0) to (1, 0, 0) is that segment,
// run through at unit speed: C(u) = (u, 0, 0).
TEST(ClosestPointFinder, FindsTheFootOfThePerpendicularOnASegment) {
  const SamplePoints line = sampled("t", "0", "0").samples;
  num::BSplineCurveFit<double> curve = fitted(line, 4);
  ClosestPointFinder finder(curve);
  const ClosestPoint closest = finder.findClosestPoint({0.3, 0.2, 0.0});
  EXPECT_NEAR(closest.parameter, 0.3, 1e-9);
  EXPECT_NEAR(closest.point[0], 0.3, 1e-9);
  EXPECT_NEAR(closest.point[1], 0.0, 1e-15);
  EXPECT_NEAR(closest.squaredDistance, 0.04, 1e-12);  // 0.2 squared
}

// The table stops at 255/256, the bracket reaches the end of the curve.
TEST(ClosestPointFinder, ReachesTheEndsOfTheCurve) {
  const SamplePoints line = sampled("t", "0", "0").samples;
  num::BSplineCurveFit<double> curve = fitted(line, 4);
  ClosestPointFinder finder(curve);
  const ClosestPoint beyondEnd = finder.findClosestPoint({1.3, 0.4, 0.0});
  EXPECT_EQ(beyondEnd.parameter, 1.0);
  EXPECT_NEAR(beyondEnd.squaredDistance, 0.25, 1e-12);  // 0.3² + 0.4²
  const ClosestPoint beforeStart = finder.findClosestPoint({-0.3, 0.4, 0.0});
  EXPECT_EQ(beforeStart.parameter, 0.0);
  EXPECT_NEAR(beforeStart.squaredDistance, 0.25, 1e-12);
}

// Known limitation, which the adaptive fit makes up for with each sample's own point: a point
// just before the seam of a closed curve (angle -0.01, parameter about 0.9984) lies beyond the
// coarse pass's last entry (249/256), so the search settles on the curve's start, 0.01 away.
TEST(ClosestPointFinder, SettlesOnTheWrongArcAcrossTheSeamOfAClosedCurve) {
  const SamplePoints circle = sampled("cos(2 * pi * t)", "sin(2 * pi * t)", "0").samples;
  num::BSplineCurveFit<double> curve = fitted(circle, 16);
  ClosestPointFinder finder(curve);
  const ClosestPoint closest = finder.findClosestPoint({std::cos(-0.01), std::sin(-0.01), 0.0});
  EXPECT_EQ(closest.parameter, 0.0);
  EXPECT_NEAR(std::sqrt(closest.squaredDistance), 0.01, 1e-5);
}

/// The cubic spline through four hand-picked points, at the fit's parameters 0, 1/3, 2/3, 1.
num::BSplineCurveFit<double> throughFourPoints(const std::vector<double>& coordinates) {
  return num::BSplineCurveFit<double>(3, 4, coordinates.data(), 3, 4);
}

// Through (1.44, -0.528), (0.16, 0.336), (0.16, -0.336), (1.44, 0.528) runs the loop
// P(u) = (s², s³ - s, 0) with s = 1.2 (2u - 1), which crosses itself at right angles at (1, 0),
// at u = 1/12 and u = 11/12. T = P(0.92) = (1.016064, 0.016192512) lies on the second arc, so the
// closest point is T itself at 0.92; the first arc passes 0.023 away, near the crossing. T is at
// table entry 235.5. Of every eighth entry, 233 on T's arc is nearest (0.066 away; the first
// arc's best, 25, is 0.097 away). Every fourth entry would add 21 on the first arc, 0.025 away,
// and every sixteenth would drop 233 and keep 17 there (0.12) ahead of 241 (0.16): either way the
// search would settle on the first arc.
TEST(ClosestPointFinder, FindsAPointOfTheLoopOnItsOwnArcBesideTheCrossing) {
  num::BSplineCurveFit<double> loop =
      throughFourPoints({1.44, -0.528, 0, 0.16, 0.336, 0, 0.16, -0.336, 0, 1.44, 0.528, 0});
  ClosestPointFinder finder(loop);
  const ClosestPoint closest = finder.findClosestPoint({1.016064, 0.016192512, 0.0});
  EXPECT_NEAR(closest.parameter, 0.92, 1e-4);
  EXPECT_LT(std::sqrt(closest.squaredDistance), 1e-4);
}

// On the straight spline C(u) = (12u, 0, 0) through (0, 0, 0), (4, 0, 0), (8, 0, 0), (12, 0, 0),
// a target (12a, 0.5, 0) has its foot at parameter a, 0.5 away. For a foot beyond the last table
// entry, 255/256, the minimiser starts on [255/256, 1] with the middle 511/512 and, while the
// middle is not below both ends, halves toward the end: 1023/1024 at its second level, 2047/2048
// at its third. A foot at 1 - 3/8192 is nearer 2047/2048 than 1: the third level brackets it and
// the parabola through the bracket, exact on a straight line, lands on it (two levels would
// answer the end). A foot at 1 - 3/16384 would need a fourth level (4095/4096): the answer is the
// best point evaluated, the end itself, 0.5² + (12 · 3/16384)² squared away. The start mirrors it.
TEST(ClosestPointFinder, FindsAFootBeyondTheTableWithinThreeLevels) {
  num::BSplineCurveFit<double> line = throughFourPoints({0, 0, 0, 4, 0, 0, 8, 0, 0, 12, 0, 0});
  ClosestPointFinder finder(line);
  struct Case {
    double foot, parameter, squaredDistance;
  };
  const double missed = 12 * 3.0 / 16384;
  for (const Case& c :
       {Case{1 - 3.0 / 8192, 1 - 3.0 / 8192, 0.25}, Case{3.0 / 8192, 3.0 / 8192, 0.25},
        Case{1 - 3.0 / 16384, 1.0, 0.25 + missed * missed},
        Case{3.0 / 16384, 0.0, 0.25 + missed * missed}}) {
    SCOPED_TRACE(c.foot);
    const ClosestPoint closest = finder.findClosestPoint({12 * c.foot, 0.5, 0.0});
    EXPECT_NEAR(closest.parameter, c.parameter, 1e-12);
    EXPECT_NEAR(closest.squaredDistance, c.squaredDistance, 1e-12);
  }
}

TEST(ClosestPointFinder, SearchesWithoutAllocating) {
  const SamplePoints helix = sampled("cos(2 * pi * t)", "sin(2 * pi * t)", "0", 3.0).samples;
  num::BSplineCurveFit<double> curve = fitted(helix, 32);
  ClosestPointFinder finder(curve);
  const int before = allocationCount;
  for (const SamplePoint& sample : helix) {
    finder.findClosestPoint(sample);
  }
  EXPECT_EQ(allocationCount, before);
}

}  // namespace

#include "curve/ClosestPointFinder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <new>

#include "tests/support/SampledCurves.h"

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

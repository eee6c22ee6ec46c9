#include "curve/measure/largestDeviation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/support/SampledCurves.h"

using vintrel::curve::anyPointFartherThan;
using vintrel::curve::anyProbeFartherThan;
using vintrel::curve::boundLargestDeviation;
using vintrel::curve::DeviationBounds;
using vintrel::curve::largestDeviation;
using vintrel::curve::SampledCurve;
using vintrel::curve::SamplePoint;
using vintrel::curve::SamplePoints;
using vintrel::curve::squaredDistance;

namespace {

using curve_testing::fitted;
using curve_testing::sampled;

// A dense scan and a golden-section refinement around its best point: slow but plain.
double bruteForceDistance(num::BSplineCurveFit<double>& curve, const SamplePoint& p) {
  const auto squaredDistance = [&](double u) {
    double c[3];
    curve.EvaluatePoint(u, c);
    return (c[0] - p.x) * (c[0] - p.x) + (c[1] - p.y) * (c[1] - p.y) + (c[2] - p.z) * (c[2] - p.z);
  };
  const int steps = 20000;
  int best = 0;
  for (int i = 1; i <= steps; ++i) {
    if (squaredDistance(double(i) / steps) < squaredDistance(double(best) / steps)) best = i;
  }
  double a = std::max(best - 1, 0) / double(steps);
  double b = std::min(best + 1, steps) / double(steps);
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  for (int i = 0; i < 100; ++i) {
    const double u1 = b - ratio * (b - a);
    const double u2 = a + ratio * (b - a);
    if (squaredDistance(u1) < squaredDistance(u2)) {
      b = u2;
    } else {
      a = u1;
    }
  }
  return std::sqrt(std::min(squaredDistance((a + b) / 2), squaredDistance(double(best) / steps)));
}

// C(u) = (u, 0, 0): distances from points beside it and beyond its ends.
TEST(largestDeviation, MeasuresToTheNearestPointOfASegment) {
  const SamplePoints line = sampled("t", "0", "0").samples;
  const num::BSplineCurveFit<double> curve = fitted(line, 4);
  EXPECT_NEAR(largestDeviation(curve, {{0.5, 0.3, 0.0}}), 0.3, 1e-12);
  // Beyond the end (1, 0, 0): 0.3² + 0.4² = 0.5²; the other point lies 0.2 beside it.
  EXPECT_NEAR(largestDeviation(curve, {{0.25, 0.0, 0.2}, {1.3, 0.4, 0.0}}), 0.5, 1e-12);
  EXPECT_EQ(largestDeviation(curve, SamplePoints{}), 0.0);
  EXPECT_EQ(largestDeviation(curve, SampledCurve{}), 0.0);
}

// The aliased wave's samples lie on a line (every one on a zero of the sine), its midpoints on
// the crests 0.5 beside it: only the measure of the sampled curve sees them.
TEST(largestDeviation, MeasuresSamplesAndMidpointsTogether) {
  const SampledCurve wave = sampled("t", "0.5 * sin(2 * pi * 1024 * t)", "0");
  const num::BSplineCurveFit<double> curve = fitted(wave.samples, 4);
  EXPECT_LT(largestDeviation(curve, wave.samples), 1e-9);
  EXPECT_NEAR(largestDeviation(curve, wave), 0.5, 1e-9);
}

// 4096 turns of a coil, two a sample: samples and midpoints lie on the line x = 1, y = 0 that the
// 4-control fit follows, the probes around the turns, up to 2 away from it.
TEST(largestDeviation, MeasuresTheProbesToo) {
  SampledCurve coil = sampled("cos(2 * pi * t)", "sin(2 * pi * t)", "0.01 * t", 4096.0);
  const num::BSplineCurveFit<double> curve = fitted(coil.samples, 4);
  EXPECT_GT(largestDeviation(curve, coil), 1.9);
  coil.probes.clear();
  EXPECT_LT(largestDeviation(curve, coil), 1e-9);
}

// The same coil asked whether a probe lies farther than a distance: the largest probe distance,
// just under 2, decides; without probes nothing does.
TEST(largestDeviation, TellsWhetherAProbeLiesFartherThanADistance) {
  SampledCurve coil = sampled("cos(2 * pi * t)", "sin(2 * pi * t)", "0.01 * t", 4096.0);
  const num::BSplineCurveFit<double> curve = fitted(coil.samples, 4);
  const double largest = largestDeviation(curve, coil);
  EXPECT_TRUE(anyProbeFartherThan(curve, coil, largest - 1e-6));
  EXPECT_FALSE(anyProbeFartherThan(curve, coil, largest + 1e-6));
  EXPECT_TRUE(anyProbeFartherThan(curve, coil, 0.002));
  coil.probes.clear();
  EXPECT_FALSE(anyProbeFartherThan(curve, coil, 0.0));
}

// The aliased wave again: only its midpoints lie off the line, 0.5 from it, and the question
// whether any point lies farther than a distance sees them.
TEST(largestDeviation, TellsWhetherAnyPointLiesFartherThanADistance) {
  SampledCurve wave = sampled("t", "0.5 * sin(2 * pi * 1024 * t)", "0");
  const num::BSplineCurveFit<double> curve = fitted(wave.samples, 4);
  EXPECT_TRUE(anyPointFartherThan(curve, wave, 0.5 - 1e-6));
  EXPECT_FALSE(anyPointFartherThan(curve, wave, 0.5 + 1e-6));
  wave.midpoints.clear();
  wave.probes.clear();
  EXPECT_FALSE(anyPointFartherThan(curve, wave, 1e-9));
  EXPECT_FALSE(anyPointFartherThan(curve, SampledCurve{}, 0.0));
}

// A circle run round eight times, fitted with 32 controls: the spline's turns lie over each other
// and its nearest point to a sample is often on another turn, which takes a search. However few
// steps the search may take, the bounds hold the exact figure; with enough they are the figure.
TEST(largestDeviation, BoundsTheDeviationWhenTheSearchIsCutShort) {
  const SampledCurve circles = sampled("cos(2 * pi * t)", "sin(2 * pi * t)", "0", 8.0);
  const num::BSplineCurveFit<double> curve = fitted(circles.samples, 32);
  const double exact = largestDeviation(curve, circles);
  bool cutShort = false;
  for (long steps : {0L, 1L, 10L, 100L, 1000L}) {
    const DeviationBounds bounds = boundLargestDeviation(curve, circles, steps);
    EXPECT_LE(bounds.atLeast, exact) << steps;
    EXPECT_GE(bounds.atMost, exact - 1e-12) << steps;
    cutShort = cutShort || bounds.atLeast < bounds.atMost;
  }
  EXPECT_TRUE(cutShort);
  const DeviationBounds ample = boundLargestDeviation(curve, circles, 1000000L);
  EXPECT_EQ(ample.atLeast, exact);
  EXPECT_EQ(ample.atMost, exact);
  EXPECT_EQ(boundLargestDeviation(curve, SampledCurve{}, 0).atMost, 0.0);
}

// The 16-control circle is the unit circle within 1e-4; points are measured across the seam and
// to the far side, where a local search would go wrong.
TEST(largestDeviation, FindsTheNearestArcOfAClosedCurve) {
  const SamplePoints circle = sampled("cos(2 * pi * t)", "sin(2 * pi * t)", "0").samples;
  const num::BSplineCurveFit<double> curve = fitted(circle, 16);
  EXPECT_NEAR(largestDeviation(curve, {{1.2 * std::cos(-0.01), 1.2 * std::sin(-0.01), 0.0}}), 0.2,
              2e-4);
  EXPECT_NEAR(largestDeviation(curve, {{0.0, 0.0, 0.0}}), 1.0, 2e-4);
  EXPECT_NEAR(largestDeviation(curve, {{0.0, 0.0, 0.5}, {-1.0, 0.0, 0.1}}), std::sqrt(1.25), 2e-4);
}

// A wave too fast for 128 controls: the curve misses its samples by more than the tolerance, and
// the measure agrees with a plain scan on every sample it is given.
TEST(largestDeviation, AgreesWithADenseScan) {
  const SamplePoints wave = sampled("t", "0.1 * sin(300 * t)", "0").samples;
  num::BSplineCurveFit<double> curve = fitted(wave, 128);
  SamplePoints some;
  double expected = 0.0;
  for (std::size_t k = 0; k < wave.size(); k += 61) {
    some.push_back(wave[k]);
    expected = std::max(expected, bruteForceDistance(curve, wave[k]));
  }
  EXPECT_GT(expected, 0.002);
  EXPECT_NEAR(largestDeviation(curve, some), expected, 1e-9);
}

// The wave of the test above scaled by 2^1000 (about 1e301): squared distances that large
// overflow, yet the deviation scales exactly with the curve, since a power of two changes no
// digit of a coordinate and the fit is linear in its samples.
TEST(largestDeviation, ScalesWithCurvesTooLargeToSquare) {
  const SamplePoints wave = sampled("0.9 * t", "0.1 * sin(300 * t)", "0").samples;
  SamplePoints huge = wave;
  for (SamplePoint& p : huge) p = {std::ldexp(p.x, 1000), std::ldexp(p.y, 1000), 0.0};
  const double deviation = largestDeviation(fitted(wave, 128), wave);
  EXPECT_GT(deviation, 0.002);
  EXPECT_EQ(largestDeviation(fitted(huge, 128), huge), std::ldexp(deviation, 1000));
}

}  // namespace

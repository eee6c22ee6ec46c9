#include "curve/fitSplineToSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "curve/ClosestPointFinder.h"
#include "curve/largestDeviation.h"
#include "tests/support/LiteralBSplineCurveFit.h"
#include "tests/support/SampledCurves.h"

namespace {

struct Curve {
  std::string x, y, z;
  double tEnd;
};

const Curve kHelix{"cos(2 * pi * t)", "sin(2 * pi * t)", "t", 3.0};
const Curve kCircle{"cos(2 * pi * t)", "sin(2 * pi * t)", "0", 1.0};
const Curve kSegment{"t", "0", "0", 1.0};
const Curve kWave{"t", "0.1 * sin(60 * t)", "0", 1.0};
const Curve kFastWave{"t", "0.1 * sin(140 * t)", "0", 1.0};
const Curve kTrefoil{"sin(t) + 2 * sin(2 * t)", "cos(t) - 2 * cos(2 * t)", "-sin(3 * t)", 6.3};
// Every sample falls on a zero of the sine, every midpoint on a crest: the samples alone are a
// straight line.
const Curve kAliasedWave{"t", "0.5 * sin(2 * pi * 1024 * t)", "0", 1.0};
// 2048 turns, one per sample: the samples alone climb straight up the line x = 1, y = 0.
const Curve kAliasedCoil{"cos(2 * pi * t)", "sin(2 * pi * t)", "0.01 * t", 2048.0};

SampledCurve sampled(const Curve& curve) {
  return curve_testing::sampled(curve.x, curve.y, curve.z, curve.tEnd);
}

int controlCount(const SplineFit& fit) { return fit.curve->ControlPointCount(); }

double distance(const double* c, const SamplePoint& p) {
  return std::sqrt((c[0] - p.x) * (c[0] - p.x) + (c[1] - p.y) * (c[1] - p.y) +
                   (c[2] - p.z) * (c[2] - p.z));
}

// Each point's distance as the fit measures it, the smaller of its own point's and the
// closest-point search's, largest over the samples and the midpoints: sample k's own point at
// k / 2048, midpoint k's at (k + 0.5) / 2048.
double largestPointDistance(num::BSplineCurveFit<double>& curve, const SampledCurve& sampled) {
  ClosestPointFinder finder(curve);
  const double step = 1.0 / (sampled.samples.size() - 1);
  double largest = 0.0;
  const auto measure = [&](const SamplePoint& p, double u) {
    double own[3];
    curve.EvaluatePoint(u, own);
    const double searched = distance(finder.findClosestPoint(p).point.data(), p);
    largest = std::max(largest, std::min(distance(own, p), searched));
  };
  for (std::size_t k = 0; k < sampled.samples.size(); ++k) measure(sampled.samples[k], k * step);
  for (std::size_t k = 0; k < sampled.midpoints.size(); ++k) {
    measure(sampled.midpoints[k], (k + 0.5) * step);
  }
  return largest;
}

/// A curve and the control count the fit settles on for it at the tolerance 0.002.
struct CountCase {
  const Curve& curve;
  int controls;
};

// The helix and the circle need 16 controls a turn, the trefoil 32, the fast wave all six
// attempts. Each count is the smallest whose fit truly lies within the tolerance of every sample,
// as the accurate measure (largestDeviation) tells, while half as many controls miss it. The
// midpoints, which lie farther from the fit than the samples it was fitted to, change none of
// these counts.
const CountCase kCounts[] = {{kSegment, 4}, {kCircle, 16},    {kHelix, 32},
                             {kWave, 64},   {kFastWave, 128}, {kTrefoil, 32}};

TEST(fitSplineToSamples, NeedsAsManyControlsAsTheCurveAsks) {
  for (const CountCase& c : kCounts) {
    SCOPED_TRACE(c.curve.x + ", " + c.curve.y + ", " + c.curve.z);
    const SampledCurve curve = sampled(c.curve);
    const SamplePoints& samples = curve.samples;
    const SplineFit fit = fitSplineToSamples(curve, 0.002);
    EXPECT_EQ(controlCount(fit), c.controls);
    EXPECT_TRUE(fit.toleranceMet);
    EXPECT_LE(largestDeviation(curve_testing::fitted(samples, c.controls), samples), 0.002);
    if (c.controls > 4) {
      EXPECT_GT(largestDeviation(curve_testing::fitted(samples, c.controls / 2), samples), 0.002);
    }
  }
}

// Fitted to their samples alone, both curves would pass with 4 controls: the samples are a line.
// Their midpoints lie 0.5 (the wave's crests) and 2 (the far side of each turn) away from it.
TEST(fitSplineToSamples, MidpointsRejectAFitThatOnlyMeetsItsSamples) {
  for (const Curve& c : {kAliasedWave, kAliasedCoil}) {
    const SampledCurve curve = sampled(c);
    SampledCurve samplesAlone = curve;
    samplesAlone.midpoints = {curve.samples.begin() + 1, curve.samples.end()};
    EXPECT_EQ(controlCount(fitSplineToSamples(samplesAlone, 0.002)), 4) << c.x;
    const SplineFit fit = fitSplineToSamples(curve, 0.002);
    EXPECT_EQ(controlCount(fit), 128) << c.x;
    EXPECT_FALSE(fit.toleranceMet) << c.x;
  }
}

TEST(fitSplineToSamples, GivesClampedKnotsAndPinnedEnds) {
  EXPECT_EQ(fitSplineToSamples(sampled(kSegment), 0.002).curve->Basis().KnotVector(),
            (std::vector<double>{0, 0, 0, 0, 1, 1, 1, 1}));

  const SampledCurve helixCurve = sampled(kHelix);
  const SamplePoints& helix = helixCurve.samples;
  const SplineFit fit = fitSplineToSamples(helixCurve, 0.002);
  const std::vector<double>& knots = fit.curve->Basis().KnotVector();
  ASSERT_EQ(knots.size(), 32u + 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(knots[i], 0.0);
    EXPECT_EQ(knots[knots.size() - 1 - i], 1.0);
  }
  const std::vector<double>& controls = fit.curve->ControlCoordinates();
  EXPECT_EQ(std::vector<double>(controls.begin(), controls.begin() + 3),
            (std::vector<double>{helix.front().x, helix.front().y, helix.front().z}));
  EXPECT_EQ(std::vector<double>(controls.end() - 3, controls.end()),
            (std::vector<double>{helix.back().x, helix.back().y, helix.back().z}));
}

// Near the circle's seam the search alone lands on the wrong arc and finds samples of the
// accepted 16-control fit beyond the tolerance; their own points on the curve show they are
// within it.
TEST(fitSplineToSamples, OwnPointsSpareAClosedCurveTheSearchsWrongArc) {
  const SampledCurve circle = sampled(kCircle);
  const SplineFit fit = fitSplineToSamples(circle, 0.002);
  ASSERT_EQ(controlCount(fit), 16);
  ClosestPointFinder finder(*fit.curve);
  const bool searchMissesASample =
      std::any_of(circle.samples.begin(), circle.samples.end(), [&](const SamplePoint& sample) {
        return distance(finder.findClosestPoint(sample).point.data(), sample) > 0.002;
      });
  EXPECT_TRUE(searchMissesASample);
}

TEST(fitSplineToSamples, KeepsTheLastFitWhenNoneMeetsTheTolerance) {
  const SplineFit fit = fitSplineToSamples(sampled(kHelix), 1e-9);
  EXPECT_EQ(controlCount(fit), 128);
  EXPECT_FALSE(fit.toleranceMet);
}

// T is the largest point distance of the 32-control helix: with tolerance T it passes, with the
// next double below it fails and the count doubles.
TEST(fitSplineToSamples, PassesAPointExactlyAtTheTolerance) {
  const SampledCurve helix = sampled(kHelix);
  num::BSplineCurveFit<double> curve = curve_testing::fitted(helix.samples, 32);
  const double t = largestPointDistance(curve, helix);
  EXPECT_EQ(controlCount(fitSplineToSamples(helix, t)), 32);
  EXPECT_EQ(controlCount(fitSplineToSamples(helix, std::nextafter(t, 0.0))), 64);
}

// The accepted fit is the plain least-squares fit with that count, bit for bit.
TEST(fitSplineToSamples, AgreesBitForBitWithThePlainFitter) {
  for (const CountCase& c : kCounts) {
    SCOPED_TRACE(c.curve.x + ", " + c.curve.y + ", " + c.curve.z);
    const SampledCurve curve = sampled(c.curve);
    const SamplePoints& samples = curve.samples;
    const num_testing::LiteralBSplineCurveFit plain(3, static_cast<int>(samples.size()),
                                                    flatCoordinates(samples), 3, c.controls);
    EXPECT_EQ(fitSplineToSamples(curve, 0.002).curve->ControlCoordinates(),
              plain.ControlCoordinates());
  }
}

TEST(fitSplineToSamples, RefusesNoSamples) {
  EXPECT_THROW(fitSplineToSamples({}, 0.002), std::invalid_argument);
}

// A constant 1e308 beside a parabola: the fit's sums of 2049 such samples overflow and its
// controls came out infinite. 1e300 still fits, with finite controls.
TEST(fitSplineToSamples, RefusesCoordinatesTooLargeToFitAndFitsUpTo1e300) {
  try {
    fitSplineToSamples(sampled({"t", "t * t", "1e308", 1.0}), 0.002);
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(),
                 "The curve is too large to fit: a coordinate reaches 1e+308; keep coordinates "
                 "within 1e300.");
  }
  const SplineFit fit = fitSplineToSamples(sampled({"t", "t * t", "-1e300", 1.0}), 0.002);
  for (double c : fit.curve->ControlCoordinates()) EXPECT_TRUE(std::isfinite(c));
}

}  // namespace

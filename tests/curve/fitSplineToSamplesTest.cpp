#include "curve/fitSplineToSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "curve/ClosestPointFinder.h"
#include "numerics/Minimize1.h"
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
const Curve kFastWave{"t", "0.1 * sin(140 * t)", "0", 1.0};
const Curve kTrefoil{"sin(t) + 2 * sin(2 * t)", "cos(t) - 2 * cos(2 * t)", "-sin(3 * t)", 6.3};

SamplePoints sampled(const Curve& curve) {
  return curve_testing::sampled(curve.x, curve.y, curve.z, curve.tEnd);
}

int controlCount(const SplineFit& fit) { return fit.curve->ControlPointCount(); }

// --- The adaptive fit written plainly over the plain fitter, as a reference -----------------

double distance(const double* c, const SamplePoint& p) {
  return std::sqrt((c[0] - p.x) * (c[0] - p.x) + (c[1] - p.y) * (c[1] - p.y) +
                   (c[2] - p.z) * (c[2] - p.z));
}

using PositionTable = std::vector<std::vector<double>>;

PositionTable positionTable(num_testing::LiteralBSplineCurveFit& curve) {
  PositionTable table(256, std::vector<double>(3, std::numeric_limits<double>::max()));
  for (int i = 1; i < 256; ++i) curve.EvaluatePoint(i * 0.00390625, table[i].data());
  return table;
}

// The closest-point search step by step: coarse and fine pass over the table, bracket, minimiser.
double searchDistance(num_testing::LiteralBSplineCurveFit& curve, const PositionTable& table,
                      const SamplePoint& p) {
  const double largest = std::numeric_limits<double>::max();
  const double step = 0.00390625;
  const auto squared = [&](const double* c) {
    return (c[0] - p.x) * (c[0] - p.x) + (c[1] - p.y) * (c[1] - p.y) + (c[2] - p.z) * (c[2] - p.z);
  };
  int best = -1;
  double bestDistance = largest;
  for (int i = 1; i < 256; i += 8) {
    if (squared(table[i].data()) < bestDistance) {
      best = i;
      bestDistance = squared(table[i].data());
    }
  }
  int c = -1;
  double cDistance = largest;
  for (int i = std::max(best - 8, 1); i <= std::min(best + 8, 255); ++i) {
    if (squared(table[i].data()) < cDistance) {
      c = i;
      cDistance = squared(table[i].data());
    }
  }
  const std::function<double(double)> f = [&](double u) {
    double point[3];
    curve.EvaluatePoint(u, point);
    return squared(point);
  };
  double tLow = std::max((c - 1) * step, 0.0), tMid = c * step,
         tHigh = std::min((c + 1) * step, 1.0);
  const double fLow = f(tLow), fMid = f(tMid), fHigh = f(tHigh);
  if (fMid > fLow) {
    tHigh = tMid;
    tMid = (tMid + tLow) * 0.5;
  } else if (fMid > fHigh) {
    tLow = tMid;
    tMid = (tMid + tHigh) * 0.5;
  }
  double bestT = 0, bestValue = 0;
  num::Minimize1<double>(f, 3, 4).GetMinimum(tLow, tHigh, tMid, bestT, bestValue);
  double point[3];
  curve.EvaluatePoint(bestT, point);
  return distance(point, p);
}

// Each sample's distance: the smaller of the search's and its own point's.
double largestSampleDistance(num_testing::LiteralBSplineCurveFit& curve,
                             const SamplePoints& samples) {
  const PositionTable table = positionTable(curve);
  double largest = 0.0;
  for (std::size_t k = 0; k < samples.size(); ++k) {
    double own[3];
    curve.EvaluatePoint(k * (1.0 / (samples.size() - 1)), own);
    largest = std::max(
        largest, std::min(distance(own, samples[k]), searchDistance(curve, table, samples[k])));
  }
  return largest;
}

struct PlainFit {
  int controlCount;
  std::vector<double> controls;
};

PlainFit plainAdaptiveFit(const SamplePoints& samples, double tolerance) {
  for (int n = 4;; n *= 2) {
    num_testing::LiteralBSplineCurveFit curve(3, static_cast<int>(samples.size()),
                                              flatCoordinates(samples), 3, n);
    if (n == 128 || largestSampleDistance(curve, samples) <= tolerance) {
      return {n, curve.ControlCoordinates()};
    }
  }
}

// ----------------------------------------------------------------------------------------------

TEST(fitSplineToSamples, NeedsAsManyControlsAsTheCurveAsks) {
  struct Case {
    const Curve& curve;
    int controls;
  };
  // The helix and the circle need 16 controls a turn; the wave all six attempts.
  for (const Case& c :
       {Case{kSegment, 4}, Case{kCircle, 16}, Case{kHelix, 32}, Case{kFastWave, 128}}) {
    const SplineFit fit = fitSplineToSamples(sampled(c.curve), 0.002);
    EXPECT_EQ(controlCount(fit), c.controls) << c.curve.x;
    EXPECT_TRUE(fit.toleranceMet) << c.curve.x;
  }
}

TEST(fitSplineToSamples, GivesClampedKnotsAndPinnedEnds) {
  const SamplePoints segment = sampled(kSegment);
  EXPECT_EQ(fitSplineToSamples(segment, 0.002).curve->Basis().KnotVector(),
            (std::vector<double>{0, 0, 0, 0, 1, 1, 1, 1}));

  const SamplePoints helix = sampled(kHelix);
  const SplineFit fit = fitSplineToSamples(helix, 0.002);
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
  const SamplePoints circle = sampled(kCircle);
  const SplineFit fit = fitSplineToSamples(circle, 0.002);
  ASSERT_EQ(controlCount(fit), 16);
  ClosestPointFinder finder(*fit.curve);
  const bool searchMissesASample =
      std::any_of(circle.begin(), circle.end(), [&](const SamplePoint& sample) {
        return distance(finder.findClosestPoint(sample).point.data(), sample) > 0.002;
      });
  EXPECT_TRUE(searchMissesASample);
}

TEST(fitSplineToSamples, KeepsTheLastFitWhenNoneMeetsTheTolerance) {
  const SplineFit fit = fitSplineToSamples(sampled(kHelix), 1e-9);
  EXPECT_EQ(controlCount(fit), 128);
  EXPECT_FALSE(fit.toleranceMet);
}

// T is the largest sample distance of the 32-control helix: with tolerance T it passes, with the
// next double below it fails and the count doubles.
TEST(fitSplineToSamples, PassesASampleExactlyAtTheTolerance) {
  const SamplePoints helix = sampled(kHelix);
  num_testing::LiteralBSplineCurveFit curve(3, static_cast<int>(helix.size()),
                                            flatCoordinates(helix), 3, 32);
  const double t = largestSampleDistance(curve, helix);
  EXPECT_EQ(controlCount(fitSplineToSamples(helix, t)), 32);
  EXPECT_EQ(controlCount(fitSplineToSamples(helix, std::nextafter(t, 0.0))), 64);
}

TEST(fitSplineToSamples, AgreesBitForBitWithThePlainAlgorithm) {
  for (const Curve& c : {kSegment, kCircle, kHelix, kFastWave, kTrefoil}) {
    const SamplePoints samples = sampled(c);
    const SplineFit fit = fitSplineToSamples(samples, 0.002);
    const PlainFit plain = plainAdaptiveFit(samples, 0.002);
    EXPECT_EQ(controlCount(fit), plain.controlCount) << c.x;
    EXPECT_EQ(fit.curve->ControlCoordinates(), plain.controls) << c.x;
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

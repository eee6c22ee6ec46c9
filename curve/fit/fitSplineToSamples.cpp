#include "curve/fit/fitSplineToSamples.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "curve/fit/fitMeetsTolerance.h"
#include "curve/fit/isClosedCurve.h"
#include "curve/fit/ladderFitWeights.h"
#include "curve/fit/splineStaysNearFormula.h"
#include "curve/measure/largestDeviation.h"
#include "curve/sampling/refineSampling.h"
#include "curve/text/shortestText.h"
#include "numerics/BSplineCurveFit.h"
#include "numerics/BandedCurveFit.h"
#include "numerics/CubicSpans.h"
#include "numerics/PeriodicCurveFit.h"
#include "numerics/Point3.h"

namespace vintrel::curve {

namespace {

constexpr int kDimension = 3;
constexpr int kDegree = 3;
constexpr int kFirstControlCount = 4;
// The last count the block solve of BSplineCurveFit takes; past it the banded fit goes on.
constexpr int kLastBlockSolvedCount = 128;

// The fit adds up 2049 samples weighted by basis values at most 1, and its controls can stand a
// few times farther out than the samples; beyond this bound the sums can overflow and the
// controls come out infinite or not a number, which the host would refuse without a word.
constexpr double kLargestFittableCoordinate = 1e300;

double largestCoordinate(const SamplePoints& samples) {
  return num::LargestFiniteMagnitude(flatCoordinates(samples), 3 * samples.size());
}

// The first coordinate that is not finite, else the largest magnitude.
double coordinateFarthestOut(const SamplePoints& samples) {
  const double* coordinates = flatCoordinates(samples);
  for (std::size_t i = 0; i < 3 * samples.size(); ++i) {
    if (!std::isfinite(coordinates[i])) return std::abs(coordinates[i]);
  }
  return largestCoordinate(samples);
}

void refuseCoordinatesTooLargeToFit(const SamplePoints& samples) {
  const double largest = coordinateFarthestOut(samples);
  if (!(largest <= kLargestFittableCoordinate)) {
    throw std::runtime_error("The curve is too large to fit: a coordinate reaches " +
                             shortestText(largest) + "; keep coordinates within 1e300.");
  }
}

// The block solve and the banded one reach the same curve up to rounding, a few units in the
// 14th digit of the coordinates; this margin lies far beyond that.
constexpr double kScreenMargin = 1e-9;
// Below this count the block solve costs little more than the screen, and curves met early (the
// default helix at 32) would pay for screens that spare nothing.
constexpr int kSmallestScreenedCount = 64;

// Whether the block solve's fit of `controlCount` controls is sure to fail its check: the same
// least squares through the banded equations leaves a probe farther from the whole curve than
// the tolerance and the margin. A point that far fails by any distance, its own or a search's, so
// the costly block solve can be spared; long curves fail their first attempts by far.
bool certainToMiss(const SampledCurve& sampled, int controlCount, double tolerance) {
  const SamplePoints& samples = sampled.samples;
  if (controlCount < kSmallestScreenedCount || sampled.probes.empty()) {
    return false;
  }
  const num::BandedCurveFit<double> screen(kDimension, static_cast<int>(samples.size()),
                                           flatCoordinates(samples), controlCount,
                                           num::BandedCurveFit<double>::Ends::Replaced);
  const double margin = kScreenMargin * std::max(1.0, largestCoordinate(samples));
  return anyProbeFartherThan(screen, sampled, tolerance + margin);
}

// The attempts up to 128 controls, each fitted to the 2049 samples by the block solve, unless it
// is sure to fail and the ladder goes on past it.
SplineFit fitToTheSamples(const SampledCurve& sampled, double tolerance) {
  const SamplePoints& samples = sampled.samples;
  const int sampleCount = static_cast<int>(samples.size());
  SplineFit fit;
  for (int controlCount = kFirstControlCount; controlCount <= kLastBlockSolvedCount;
       controlCount *= 2) {
    const bool lastAttempt = controlCount == kLastBlockSolvedCount && !sampled.pointsAt;
    if (!lastAttempt && certainToMiss(sampled, controlCount, tolerance)) {
      continue;
    }
    auto curve = std::make_shared<num::BSplineCurveFit<double>>(
        kDimension, sampleCount, flatCoordinates(samples), kDegree, controlCount,
        *ladderFitWeights(sampleCount, controlCount));
    fit.curve = curve;
    fit.toleranceMet = blockFitMeetsTolerance(*curve, sampled, tolerance) &&
                       splineStaysNearFormula(num::CubicSpans<double>::FromClamped(*curve), sampled,
                                              tolerance, false);
    if (fit.toleranceMet) {
      break;
    }
  }
  return fit;
}

// The curve sampled twice as densely. The new samples are the old ones, already refused if too
// large, and the old midpoints, which are checked here.
SampledCurve refineCheckedSampling(const SampledCurve& curve) {
  refuseCoordinatesTooLargeToFit(curve.midpoints);
  return refineSampling(curve);
}

// The attempts past 128 controls, each on samples twice as dense as the last.
SplineFit fitToFinerSamples(const SampledCurve& sampled, double tolerance) {
  SplineFit fit;
  SampledCurve finer = refineCheckedSampling(sampled);
  for (int controlCount = 2 * kLastBlockSolvedCount;; controlCount *= 2) {
    auto curve = std::make_shared<num::BandedCurveFit<double>>(
        kDimension, static_cast<int>(finer.samples.size()), flatCoordinates(finer.samples),
        controlCount);
    fit.curve = curve;
    const num::CubicSpans<double> spans = num::CubicSpans<double>::FromClamped(*curve);
    fit.toleranceMet = spansMeetTolerance(spans, finer, tolerance) &&
                       splineStaysNearFormula(spans, finer, tolerance, false);
    if (fit.toleranceMet || controlCount >= kMostControls) {
      break;
    }
    finer = refineCheckedSampling(finer);
  }
  fit.finerPoints = std::make_shared<const SampledCurve>(std::move(finer));
  return fit;
}

// A curve that closes smoothly gets periodic fits: 4 ... 128 controls on the 2048 samples once
// round (the last sample is the first again), then on ever finer samples as an open curve does.
SplineFit fitClosedCurve(const SampledCurve& sampled, double tolerance) {
  SplineFit fit;
  fit.closed = true;
  SampledCurve finer;
  const SampledCurve* points = &sampled;
  for (int controlCount = kFirstControlCount;; controlCount *= 2) {
    if (controlCount > kLastBlockSolvedCount) {
      if (!sampled.pointsAt) break;
      finer = refineCheckedSampling(*points);
      points = &finer;
    }
    const SamplePoints& samples = points->samples;
    const num::PeriodicCurveFit<double> periodic(kDimension, static_cast<int>(samples.size()) - 1,
                                                 flatCoordinates(samples), controlCount);
    fit.curve = std::make_shared<num::BSplineCurve<double>>(periodic.ClampedCurve());
    const num::CubicSpans<double> spans =
        num::CubicSpans<double>::FromPeriodic(periodic.ControlCoordinates());
    fit.toleranceMet = spansMeetTolerance(spans, *points, tolerance) &&
                       splineStaysNearFormula(spans, *points, tolerance, true);
    if (fit.toleranceMet || controlCount >= kMostControls) {
      break;
    }
  }
  if (points == &finer) {
    fit.finerPoints = std::make_shared<const SampledCurve>(std::move(finer));
  }
  return fit;
}

SplineFit fitWithTheLadder(const SampledCurve& sampled, double tolerance) {
  const SamplePoints& samples = sampled.samples;
  if (samples.empty()) {
    throw std::invalid_argument("no samples to fit a spline to");
  }
  if (sampled.midpoints.size() + 1 != samples.size()) {
    throw std::invalid_argument("a sampled curve needs one midpoint between each two samples");
  }
  refuseCoordinatesTooLargeToFit(samples);
  if (isClosedCurve(samples, tolerance)) {
    return fitClosedCurve(sampled, tolerance);
  }
  SplineFit fit = fitToTheSamples(sampled, tolerance);
  if (fit.toleranceMet || !sampled.pointsAt) {
    return fit;
  }
  return fitToFinerSamples(sampled, tolerance);
}

}  // namespace

SplineFit fitSplineToSamples(const SampledCurve& sampled, double tolerance, FitGoal goal) {
  // The fewest controls are looked for by the ladder's own counts until a search of its own does.
  SplineFit fit = fitWithTheLadder(sampled, tolerance);
  fit.goal = goal;
  return fit;
}

}  // namespace vintrel::curve

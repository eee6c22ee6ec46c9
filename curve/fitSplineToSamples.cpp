#include "curve/fitSplineToSamples.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

#include "curve/ClosestPointFinder.h"
#include "curve/shortestText.h"

namespace {

constexpr int kDimension = 3;
constexpr int kDegree = 3;
constexpr int kFirstControlCount = 4;
constexpr int kLastControlCount = 128;

double distance(const double* point, const SamplePoint& sample) {
  return std::sqrt(squaredDistance(point, sample));
}

// A distance that is not a number does not fail a sample.
bool beyond(double distance, double tolerance) { return distance > tolerance; }

bool everySampleWithinTolerance(num::BSplineCurveFit<double>& curve, const SamplePoints& samples,
                                double tolerance) {
  // The table behind the search costs 255 curve evaluations: build it only if a sample needs it.
  std::optional<ClosestPointFinder> finder;
  const double parameterStep =
      samples.size() > 1 ? 1.0 / static_cast<double>(samples.size() - 1) : 0.0;
  for (std::size_t k = 0; k < samples.size(); ++k) {
    const SamplePoint& sample = samples[k];
    // The fit placed this sample at its own parameter; its distance from the curve is at most
    // its distance to that point, which the search alone could miss by landing on another arc.
    double ownPoint[kDimension];
    curve.EvaluatePoint(static_cast<double>(k) * parameterStep, ownPoint);
    if (!beyond(distance(ownPoint, sample), tolerance)) {
      continue;
    }
    if (!finder) {
      finder.emplace(curve);
    }
    if (beyond(distance(finder->findClosestPoint(sample).point.data(), sample), tolerance)) {
      return false;
    }
  }
  return true;
}

// The fit adds up 2049 samples weighted by basis values at most 1, and its controls can stand a
// few times farther out than the samples; beyond this bound the sums can overflow and the
// controls come out infinite or not a number, which the host would refuse without a word.
constexpr double kLargestFittableCoordinate = 1e300;

void refuseCoordinatesTooLargeToFit(const SamplePoints& samples) {
  double largest = 0.0;
  for (const SamplePoint& p : samples) {
    largest = std::max({largest, std::abs(p.x), std::abs(p.y), std::abs(p.z)});
  }
  if (!(largest <= kLargestFittableCoordinate)) {
    throw std::runtime_error("The curve is too large to fit: a coordinate reaches " +
                             shortestText(largest) + "; keep coordinates within 1e300.");
  }
}

}  // namespace

SplineFit fitSplineToSamples(const SamplePoints& samples, double tolerance) {
  if (samples.empty()) {
    throw std::invalid_argument("no samples to fit a spline to");
  }
  refuseCoordinatesTooLargeToFit(samples);
  const int sampleCount = static_cast<int>(samples.size());
  SplineFit fit{nullptr, false};
  for (int controlCount = kFirstControlCount; controlCount <= kLastControlCount;
       controlCount *= 2) {
    fit.curve = std::make_shared<num::BSplineCurveFit<double>>(
        kDimension, sampleCount, flatCoordinates(samples), kDegree, controlCount);
    fit.toleranceMet = everySampleWithinTolerance(*fit.curve, samples, tolerance);
    if (fit.toleranceMet) {
      break;
    }
  }
  return fit;
}

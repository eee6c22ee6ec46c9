#include "curve/fit/fitMeetsTolerance.h"

#include <cmath>
#include <optional>

#include "curve/fit/ClosestPointFinder.h"

namespace vintrel::curve {

namespace {

// Squares far enough below the tolerance's square pass without their root being taken; the
// margin keeps the answer that of comparing the root itself.
constexpr double kSquareRounding = 1e-12;

// Judges each point at its own curve parameter: `ownPoint(u, point)` gives the fit's point there,
// and `searchNear(samplePoint, u)` a squared distance found by a search, asked only for a point
// whose own curve point is beyond the tolerance (the fit placed the point at its own parameter;
// a search alone could land on another arc). Probes first, spread over the whole curve, then
// the rest in the order of t, so that a fit that misses is given up soon after its first miss.
template <typename OwnPoint, typename SearchNear>
bool everyPointWithinTolerance(const SampledCurve& sampled, double tolerance, OwnPoint ownPoint,
                               SearchNear searchNear) {
  const double surelyWithin = tolerance * tolerance * (1 - kSquareRounding);
  // A distance that is not a number does not fail a point.
  const auto beyond = [&](double squared) {
    return !(squared <= surelyWithin) && std::sqrt(squared) > tolerance;
  };
  const auto within = [&](const SamplePoint& point, double u) {
    double own[3];
    ownPoint(u, own);
    return !beyond(squaredDistance(own, point)) || !beyond(searchNear(point, u));
  };
  for (std::size_t j = 0; j < sampled.probes.size(); ++j) {
    if (!within(sampled.probes[j], SampledCurve::probeU(j))) return false;
  }
  for (std::size_t k = 0; k < sampled.samples.size(); ++k) {
    if (!within(sampled.samples[k], sampled.sampleU(k))) return false;
    if (k < sampled.midpoints.size() && !within(sampled.midpoints[k], sampled.midpointU(k))) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool blockFitMeetsTolerance(num::BSplineCurve<double>& curve, const SampledCurve& sampled,
                            double tolerance) {
  // The table behind the search costs a curve evaluation per entry: it is built only if a point
  // needs it.
  std::optional<ClosestPointFinder> finder;
  return everyPointWithinTolerance(
      sampled, tolerance, [&](double u, double* point) { curve.EvaluatePoint(u, point); },
      [&](const SamplePoint& point, double) {
        if (!finder) finder.emplace(curve);
        return squaredDistance(finder->findClosestPoint(point).point.data(), point);
      });
}

bool spansMeetTolerance(const num::CubicSpans<double>& curve, const SampledCurve& sampled,
                        double tolerance) {
  return everyPointWithinTolerance(
      sampled, tolerance, [&](double u, double* point) { curve.Evaluate(u, point); },
      [&](const SamplePoint& point, double u) {
        const double target[3] = {point.x, point.y, point.z};
        return curve.SquaredDistanceNear(target, u);
      });
}

}  // namespace vintrel::curve

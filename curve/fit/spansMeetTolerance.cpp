#include "curve/fit/spansMeetTolerance.h"

#include <cmath>

namespace {

class SpanCheck {
 public:
  SpanCheck(const num::CubicSpans<double>& curve, double tolerance)
      : curve_(curve),
        tolerance_(tolerance),
        surelyWithin_(tolerance * tolerance * (1 - kSquareRounding)) {}

  bool within(const SamplePoint& point, double ownParameter) const {
    const double target[3] = {point.x, point.y, point.z};
    double own[3];
    curve_.Evaluate(ownParameter, own);
    if (!beyond(squaredDistance(own, point))) return true;
    return !beyond(curve_.SquaredDistanceNear(target, ownParameter));
  }

 private:
  // Squares far enough below the tolerance's square pass without their root being taken.
  static constexpr double kSquareRounding = 1e-12;

  // A distance that is not a number does not fail a point.
  bool beyond(double squared) const {
    return !(squared <= surelyWithin_) && std::sqrt(squared) > tolerance_;
  }

  const num::CubicSpans<double>& curve_;
  double tolerance_;
  double surelyWithin_;
};

}  // namespace

bool spansMeetTolerance(const num::CubicSpans<double>& curve, const SampledCurve& sampled,
                        double tolerance) {
  const SpanCheck check(curve, tolerance);
  for (std::size_t j = 0; j < sampled.probes.size(); ++j) {
    if (!check.within(sampled.probes[j], probeFraction(j))) return false;
  }
  const SamplePoints& samples = sampled.samples;
  const SamplePoints& midpoints = sampled.midpoints;
  const double parameterStep =
      samples.size() > 1 ? 1.0 / static_cast<double>(samples.size() - 1) : 0.0;
  for (std::size_t k = 0; k < samples.size(); ++k) {
    if (!check.within(samples[k], static_cast<double>(k) * parameterStep)) return false;
    if (k < midpoints.size() &&
        !check.within(midpoints[k], (static_cast<double>(k) + 0.5) * parameterStep)) {
      return false;
    }
  }
  return true;
}

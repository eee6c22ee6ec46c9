// The nearest point of a curve to a given point, searched near a parameter where it is expected
// (a fit's own parameter for a sample): cheap, and exact where the guess is right. The spans'
// search near a point's own parameter, the measure's look at a piece and its neighbours, and the
// tests' dense check all use it; NearestPointSearch searches a whole fit instead. (The acceptance
// of fits of up to 128 controls keeps its own table search, ClosestPointFinder, whose results it
// must reproduce bit for bit.)
#pragma once

#include <algorithm>
#include <type_traits>
#include <utility>

#include "numerics/Point3.h"

namespace num {

/// How a local search spends its curve evaluations.
struct LocalSearchSteps {
  int scanIntervals;  ///< the bracket is scanned at scanIntervals + 1 evenly spaced parameters
  int goldenSteps;    ///< golden-section steps around the best scanned parameter; 0 for none
  int newtonSteps;    ///< Newton steps on the squared distance after them; 0 for none
};

/// The smallest squared distance from `target` (x y z) to `curve` found for parameters in
/// [low, high]: a scan, a golden-section search within one scan interval of the best scanned
/// parameter, then Newton steps on the squared distance kept inside the last bracket (stopping
/// where the squared distance does not curve upwards or a step does not move). Never more than
/// the squared distance at the best scanned parameter; not a number for a target that is not one.
/// `Curve` gives `Evaluate(u, point)` and, for Newton steps, `Evaluate(u, point, first, second)`
/// (derivatives with respect to u). Allocates nothing.
template <typename Real, typename Curve>
Real LocalSquaredDistance(const Curve& curve, const Real* target, Real low, Real high,
                          const LocalSearchSteps& steps);

// ---------------------------------------------------------------------------------------------

namespace nearest_detail {

template <typename Curve, typename Real, typename = void>
struct HasDerivatives : std::false_type {};
template <typename Curve, typename Real>
struct HasDerivatives<Curve, Real,
                      std::void_t<decltype(std::declval<const Curve&>().Evaluate(
                          Real(), (Real*)nullptr, (Real*)nullptr, (Real*)nullptr))>>
    : std::true_type {};

template <typename Real, typename Curve>
Real SquaredDistanceAt(const Curve& curve, Real u, const Real* target) {
  Real point[3];
  curve.Evaluate(u, point);
  return SquaredDistance(point, target);
}

}  // namespace nearest_detail

template <typename Real, typename Curve>
Real LocalSquaredDistance(const Curve& curve, const Real* target, Real low, Real high,
                          const LocalSearchSteps& steps) {
  const auto at = [&](Real u) { return nearest_detail::SquaredDistanceAt(curve, u, target); };
  const int intervals = steps.scanIntervals;
  const Real step = (high - low) / intervals;
  int best = 0;
  Real bestValue = at(low);
  for (int i = 1; i <= intervals; ++i) {
    const Real value = at(low + i * step);
    if (value < bestValue) {
      best = i;
      bestValue = value;
    }
  }
  Real u = low + best * step;
  Real a = low;
  Real b = high;
  if (steps.goldenSteps > 0) {
    // The minimum lies within one scan step of the best scanned parameter.
    a = low + std::max(best - 1, 0) * step;
    b = low + std::min(best + 1, intervals) * step;
    const Real ratio = Real(0.6180339887498949);
    Real c = b - ratio * (b - a);
    Real d = a + ratio * (b - a);
    Real fc = at(c);
    Real fd = at(d);
    for (int i = 0; i < steps.goldenSteps; ++i) {
      if (fc < fd) {
        b = d;
        d = c;
        fd = fc;
        c = b - ratio * (b - a);
        fc = at(c);
      } else {
        a = c;
        c = d;
        fc = fd;
        d = a + ratio * (b - a);
        fd = at(d);
      }
    }
    u = fc < fd ? c : d;
    bestValue = std::min({bestValue, fc, fd});
  }
  if constexpr (nearest_detail::HasDerivatives<Curve, Real>::value) {
    // Newton on the derivative of the squared distance sharpens the bracket to rounding where
    // the curve is smooth.
    for (int i = 0; i < steps.newtonSteps; ++i) {
      Real point[3], first[3], second[3];
      curve.Evaluate(u, point, first, second);
      Real slope = 0;
      Real bend = 0;
      for (int x = 0; x < 3; ++x) {
        const Real offset = point[x] - target[x];
        slope += offset * first[x];
        bend += first[x] * first[x] + offset * second[x];
      }
      if (!(bend > 0)) break;
      const Real next = std::clamp(u - slope / bend, a, b);
      if (next == u) break;
      u = next;
      bestValue = std::min(bestValue, at(u));
    }
  }
  return bestValue;
}

}  // namespace num

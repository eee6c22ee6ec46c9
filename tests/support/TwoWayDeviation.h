// How far a fitted spline and its formulas truly lie apart, measured both ways on points that
// the fit never saw: from formula points to the spline, and from spline points to the formula's
// curve. The tests of long and closed fits hold it against the tolerance.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>

#include "curve/formula/CurveFormula.h"
#include "curve/sampling/SamplePoint.h"
#include "numerics/BSplineCurve.h"

namespace curve_testing {

namespace two_way_detail {

inline double distance(const SamplePoint& a, const SamplePoint& b) {
  return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

// The smallest distance from `target` to `curveAt` over [low, high]: a scan of 64 steps and a
// golden-section search around the best of them.
inline double nearestOn(const std::function<SamplePoint(double)>& curveAt,
                        const SamplePoint& target, double low, double high) {
  const int steps = 64;
  const auto f = [&](double v) { return distance(curveAt(v), target); };
  int best = 0;
  double bestValue = f(low);
  for (int i = 1; i <= steps; ++i) {
    const double value = f(low + (high - low) * i / steps);
    if (value < bestValue) best = i, bestValue = value;
  }
  double a = low + (high - low) * std::max(best - 1, 0) / steps;
  double b = low + (high - low) * std::min(best + 1, steps) / steps;
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  for (int i = 0; i < 60; ++i) {
    const double c = b - ratio * (b - a);
    const double d = a + ratio * (b - a);
    if (f(c) < f(d)) {
      b = d;
    } else {
      a = c;
    }
  }
  return std::min(bestValue, f((a + b) / 2));
}

}  // namespace two_way_detail

/// The larger of the largest distance from `count` points of the formula's curve (at
/// t = tStart + (i + 0.37) / count · (tEnd - tStart)) to `spline`, and from `count` points of the
/// spline (at u = (i + 0.71) / count) to the formula's curve. Each distance is searched within
/// `window` (in u) around the point's own parameter, and only where its own point could raise
/// the largest distance so far. The spline's parameter u and t correspond linearly.
inline double twoWayDeviation(num::BSplineCurve<double>& spline, CurveFormula& formula,
                              double tStart, double tEnd, int count, double window) {
  using two_way_detail::distance;
  using two_way_detail::nearestOn;
  const std::function<SamplePoint(double)> splineAt = [&](double u) {
    SamplePoint p{};
    spline.EvaluatePoint(std::clamp(u, 0.0, 1.0), &p.x);
    return p;
  };
  const std::function<SamplePoint(double)> formulaAt = [&](double u) {
    return formula.pointAt(tStart + std::clamp(u, 0.0, 1.0) * (tEnd - tStart));
  };
  double largest = 0.0;
  const auto measure = [&](const std::function<SamplePoint(double)>& from,
                           const std::function<SamplePoint(double)>& to, double offset) {
    for (int i = 0; i < count; ++i) {
      const double u = (i + offset) / count;
      const SamplePoint p = from(u);
      if (distance(to(u), p) <= largest) continue;
      largest = std::max(largest, nearestOn(to, p, u - window, u + window));
    }
  };
  measure(formulaAt, splineAt, 0.37);
  measure(splineAt, formulaAt, 0.71);
  return largest;
}

}  // namespace curve_testing

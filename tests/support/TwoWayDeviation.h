// How far a fitted spline and its formulas truly lie apart, measured both ways on points that
// the fit never saw: from formula points to the spline, and from spline points to the formula's
// curve. The tests of long and closed fits hold it against the tolerance.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>

#include "curve/formula/SamplePoint.h"
#include "curve/sampling/SampledCurve.h"
#include "numerics/BSplineCurve.h"
#include "numerics/LocalSquaredDistance.h"

namespace curve_testing {

namespace two_way_detail {

inline double distance(const vintrel::curve::SamplePoint& a, const vintrel::curve::SamplePoint& b) {
  return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

// A curve given as a function of its parameter, as the local search reads one.
struct CurveOfFunction {
  const std::function<vintrel::curve::SamplePoint(double)>& at;
  void Evaluate(double u, double* point) const {
    const vintrel::curve::SamplePoint p = at(u);
    point[0] = p.x;
    point[1] = p.y;
    point[2] = p.z;
  }
};

// The smallest distance from `target` to `curveAt` over [low, high]: a scan of 64 steps and a
// long golden-section search around the best of them, without derivatives.
inline double nearestOn(const std::function<vintrel::curve::SamplePoint(double)>& curveAt,
                        const vintrel::curve::SamplePoint& target, double low, double high) {
  constexpr num::LocalSearchSteps kDenseSearch{64, 60, 0};
  const double p[3] = {target.x, target.y, target.z};
  return std::sqrt(num::LocalSquaredDistance(CurveOfFunction{curveAt}, p, low, high, kDenseSearch));
}

// The smallest distance from `target` to the broken line through `pieces` + 1 evenly spaced
// points of `curveAt` over [low, high]: where a formula races through a stretch of its range (a
// vertical tangent), the line follows it as a search of its parameter cannot.
inline double nearestOnBrokenLine(const std::function<vintrel::curve::SamplePoint(double)>& curveAt,
                                  const vintrel::curve::SamplePoint& target, double low,
                                  double high, int pieces) {
  double best = HUGE_VAL;
  vintrel::curve::SamplePoint a = curveAt(low);
  for (int i = 1; i <= pieces; ++i) {
    const vintrel::curve::SamplePoint b = curveAt(low + (high - low) * i / pieces);
    const double ab[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
    const double ap[3] = {target.x - a.x, target.y - a.y, target.z - a.z};
    const double length = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
    const double s =
        length > 0 ? std::clamp((ap[0] * ab[0] + ap[1] * ab[1] + ap[2] * ab[2]) / length, 0.0, 1.0)
                   : 0.0;
    best = std::min(best, std::hypot(ap[0] - s * ab[0], ap[1] - s * ab[1], ap[2] - s * ab[2]));
    a = b;
  }
  return best;
}

}  // namespace two_way_detail

/// The larger of the largest distance from `count` points of the formula's curve (at
/// t = tStart + (i + 0.37) / count · (tEnd - tStart)) to `spline`, and from `count` points of the
/// spline (at u = (i + 0.71) / count) to the formula's curve. Each distance is searched within
/// `window` (in u) around the point's own parameter, and only where its own point could raise
/// the largest distance so far; from the spline, the formula's broken line through 4097 points
/// of the window too. The spline's parameter u and t correspond linearly.
inline double twoWayDeviation(num::BSplineCurve<double>& spline,
                              const vintrel::curve::PointsAt& formula, double tStart, double tEnd,
                              int count, double window) {
  using two_way_detail::distance;
  using two_way_detail::nearestOn;
  const std::function<vintrel::curve::SamplePoint(double)> splineAt = [&](double u) {
    vintrel::curve::SamplePoint p{};
    spline.EvaluatePoint(std::clamp(u, 0.0, 1.0), &p.x);
    return p;
  };
  const std::function<vintrel::curve::SamplePoint(double)> formulaAt = [&](double u) {
    vintrel::curve::SamplePoints point;
    formula({tStart + std::clamp(u, 0.0, 1.0) * (tEnd - tStart)}, point);
    return point.front();
  };
  double largest = 0.0;
  const auto measure = [&](const std::function<vintrel::curve::SamplePoint(double)>& from,
                           const std::function<vintrel::curve::SamplePoint(double)>& to,
                           double offset) {
    for (int i = 0; i < count; ++i) {
      const double u = (i + offset) / count;
      const vintrel::curve::SamplePoint p = from(u);
      if (distance(to(u), p) <= largest) continue;
      largest = std::max(largest, nearestOn(to, p, u - window, u + window));
    }
  };
  measure(formulaAt, splineAt, 0.37);
  // From the spline to the formula the search of the formula's parameter is joined by a dense
  // broken line of the formula, which follows branches too steep for the search.
  for (int i = 0; i < count; ++i) {
    const double u = (i + 0.71) / count;
    const vintrel::curve::SamplePoint p = splineAt(u);
    if (distance(formulaAt(u), p) <= largest) continue;
    const double searched = nearestOn(formulaAt, p, u - window, u + window);
    if (searched <= largest) continue;
    largest =
        std::max(largest, std::min(searched, two_way_detail::nearestOnBrokenLine(
                                                 formulaAt, p, u - window, u + window, 4096)));
  }
  return largest;
}

}  // namespace curve_testing

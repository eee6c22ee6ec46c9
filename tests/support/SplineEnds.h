// The derivatives of a clamped spline at its two ends, from its control points and knots alone:
// the tests of closed curves check with them that a spline leaves its end as it entered its
// start, whatever made its controls.
#pragma once

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

#include "numerics/BSplineCurve.h"

namespace curve_testing {

/// The `order`-th derivative (1 or 2) of the clamped cubic `curve` (3 coordinates) at u = 0 and
/// at u = 1: the first and the last of its derivative control points, degree / (t[i+degree+1] -
/// t[i+1]) · (Q[i+1] - Q[i]) taken `order` times.
inline std::pair<std::array<double, 3>, std::array<double, 3>> endDerivatives(
    const num::BSplineCurve<double>& curve, int order) {
  std::vector<double> q = curve.ControlCoordinates();
  const std::vector<double>& knots = curve.Basis().KnotVector();
  int degree = 3;
  for (int level = 0; level < order; ++level, --degree) {
    std::vector<double> next;
    for (std::size_t i = 0; i + 1 < q.size() / 3; ++i) {
      const double scale = degree / (knots[i + degree + 1 + level] - knots[i + 1 + level]);
      for (int j = 0; j < 3; ++j) next.push_back(scale * (q[3 * (i + 1) + j] - q[3 * i + j]));
    }
    q = next;
  }
  const std::size_t last = q.size() - 3;
  return {{q[0], q[1], q[2]}, {q[last], q[last + 1], q[last + 2]}};
}

}  // namespace curve_testing

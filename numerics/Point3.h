// A point of three-dimensional space as the numerical library's curve tools see it, with the few
// operations they share: interpolation, squared distance, and the size of a set of points.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace num {

/// x, y, z.
template <typename Real>
using Point3 = std::array<Real, 3>;

/// a + (b - a) · s, coordinate by coordinate.
template <typename Real>
Point3<Real> Lerp(const Point3<Real>& a, const Point3<Real>& b, Real s) {
  return {a[0] + (b[0] - a[0]) * s, a[1] + (b[1] - a[1]) * s, a[2] + (b[2] - a[2]) * s};
}

/// The squared distance between the points x, y, z at `a` and at `b`, summed in that order.
template <typename Real>
Real SquaredDistance(const Real* a, const Real* b) {
  const Real dx = a[0] - b[0];
  const Real dy = a[1] - b[1];
  const Real dz = a[2] - b[2];
  return dx * dx + dy * dy + dz * dz;
}

/// The length of the diagonal of the box around the points of `coordinates` (`count` points, x y
/// z each) whose three coordinates are finite; 0 when there is none.
template <typename Real>
Real BoxDiagonal(const Real* coordinates, std::size_t count) {
  Point3<Real> low{HUGE_VAL, HUGE_VAL, HUGE_VAL};
  Point3<Real> high{-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  bool any = false;
  for (const Real* p = coordinates; p != coordinates + 3 * count; p += 3) {
    if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) continue;
    any = true;
    for (int x = 0; x < 3; ++x) {
      low[x] = std::min(low[x], p[x]);
      high[x] = std::max(high[x], p[x]);
    }
  }
  return any ? std::hypot(high[0] - low[0], high[1] - low[1], high[2] - low[2]) : Real(0);
}

/// The largest magnitude among the finite values of `values` (`count` of them); 0 for none.
template <typename Real>
Real LargestFiniteMagnitude(const Real* values, std::size_t count) {
  Real largest = 0;
  for (const Real* v = values; v != values + count; ++v) {
    if (std::isfinite(*v)) largest = std::max(largest, std::abs(*v));
  }
  return largest;
}

}  // namespace num

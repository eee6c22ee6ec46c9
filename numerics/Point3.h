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

/// The distance from the point x, y, z at `p` to the segment from `a` to `b` (to `a` when they
/// are one point).
template <typename Real>
Real DistanceToSegment(const Real* p, const Real* a, const Real* b) {
  const Real ab[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
  const Real ap[3] = {p[0] - a[0], p[1] - a[1], p[2] - a[2]};
  const Real length = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
  const Real along =
      length > 0
          ? std::clamp((ap[0] * ab[0] + ap[1] * ab[1] + ap[2] * ab[2]) / length, Real(0), Real(1))
          : Real(0);
  return std::hypot(ap[0] - along * ab[0], ap[1] - along * ab[1], ap[2] - along * ab[2]);
}

/// The power of two that brings coordinates of magnitudes up to `largest` below kLargestSquarable,
/// where their squared distances cannot overflow: 1 when they already lie below it. Scaling by a
/// power of two changes no digit of a coordinate.
template <typename Real>
Real OverflowSafeScale(Real largest) {
  constexpr Real kLargestSquarable = Real(1e150);
  if (largest <= kLargestSquarable) return Real(1);
  int exponent = 0;
  std::frexp(largest, &exponent);
  return std::ldexp(Real(1), -exponent);
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

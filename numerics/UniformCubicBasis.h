// The four cubic B-spline basis functions that are non-zero on one span of a uniform knot vector,
// in closed form in the span's own parameter. The fits of long and of closed curves evaluate them
// for every sample instead of running the general recursion, and CubicSpans converts control
// points to polynomials with them.
#pragma once

namespace num {

template <typename Real>
struct UniformCubicBasis {
  /// The values at s in [0, 1] of the basis functions of controls j, j + 1, j + 2, j + 3 on span
  /// j: (1 - s)³ / 6, (4 - 6s² + 3s³) / 6, (4 - 6(1 - s)² + 3(1 - s)³) / 6, s³ / 6. They add up to
  /// 1 (up to rounding) and mirror each other about s = 1/2.
  static void Values(Real s, Real* values) {
    const Real r = 1 - s;
    const Real sixth = Real(1) / Real(6);
    values[0] = r * r * r * sixth;
    values[1] = (4 + s * s * (3 * s - 6)) * sixth;
    values[2] = (4 + r * r * (3 * r - 6)) * sixth;
    values[3] = s * s * s * sixth;
  }

  /// The coefficients a0 ... a3 of the span's curve a0 + a1 s + a2 s² + a3 s³ for the four control
  /// values c0 ... c3 (one coordinate): (c0 + 4c1 + c2) / 6, (c2 - c0) / 2, (c0 - 2c1 + c2) / 2,
  /// (c3 - c0 + 3(c1 - c2)) / 6.
  static void PowerCoefficients(Real c0, Real c1, Real c2, Real c3, Real* coefficients) {
    const Real sixth = Real(1) / Real(6);
    coefficients[0] = (c0 + 4 * c1 + c2) * sixth;
    coefficients[1] = (c2 - c0) * Real(0.5);
    coefficients[2] = (c0 - 2 * c1 + c2) * Real(0.5);
    coefficients[3] = (c3 - c0 + 3 * (c1 - c2)) * sixth;
  }
};

}  // namespace num

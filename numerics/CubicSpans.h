// A uniform cubic B-spline curve in three dimensions, clamped or periodic, turned into one cubic
// polynomial per knot span, for evaluation in a few multiplications, with derivatives, and a
// search for the curve point nearest to a point close to a given parameter. The adaptive fit
// tests its fits with it, at tens of thousands of points per attempt.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "numerics/LocalSquaredDistance.h"
#include "numerics/Point3.h"
#include "numerics/PolarForm.h"
#include "numerics/UniformCubicBasis.h"

namespace num {

template <typename Real>
class CubicSpans {
 public:
  /// The clamped curve `curve`: cubic, 3 coordinates, at least 4 controls, knots as
  /// BSplineCurve::ClampedUniformSetup gives them; its spans are the distinct knot intervals
  /// and u runs over [0, 1] (clamped beyond).
  static CubicSpans FromClamped(const BSplineCurve<Real>& curve);

  /// The periodic curve of `controls` (n >= 4 points, x y z each): knots (i - 3) / n, the curve
  /// C(u) = Σ c_(i mod n) N_i(u) on n spans of [0, 1), u taken modulo 1.
  static CubicSpans FromPeriodic(const std::vector<Real>& controls);

  int SpanCount() const { return spanCount_; }
  bool Periodic() const { return periodic_; }

  /// The curve's point at u.
  void Evaluate(Real u, Real* point) const;

  /// The curve's point and its first and second derivatives with respect to u, at u.
  void Evaluate(Real u, Real* point, Real* first, Real* second) const;

  /// The largest length of the second derivative with respect to u over span `span` (0 ...
  /// SpanCount() - 1), from the span's two ends: within a span the derivative is linear, and
  /// the length of a linear vector is largest at an end. A span of parameter width w then keeps
  /// within w² / 8 times it of the chord between its points at the ends of any part of it.
  Real LargestBend(int span) const;

  /// The smallest squared distance from `target` to the curve that LocalSquaredDistance finds
  /// with kNearSteps for parameters within one span of `near` (wrapping around when periodic,
  /// clamped to [0, 1] otherwise). Never more than the squared distance at the best scanned
  /// parameter; not a number for a target that is not. Allocates nothing.
  Real SquaredDistanceNear(const Real* target, Real near) const;

  /// The search of SquaredDistanceNear: a scan of nine parameters, a golden-section search
  /// around the best of them, and one Newton step.
  static constexpr LocalSearchSteps kNearSteps{8, 24, 1};

 private:
  static constexpr int kCoefficients = 12;  // a0 ... a3 for x, then for y, then for z

  CubicSpans(int spanCount, bool periodic)
      : spanCount_(spanCount),
        periodic_(periodic),
        coefficients_(static_cast<std::size_t>(spanCount) * kCoefficients) {}

  void SetUniformSpan(int span, const Real* c0, const Real* c1, const Real* c2, const Real* c3);
  void SetSpanFromBezier(int span, const std::array<Point3<Real>, 4>& bezier);
  // The span holding u and u's parameter within it, in [0, 1].
  int Locate(Real u, Real& s) const;

  int spanCount_;
  bool periodic_;
  std::vector<Real> coefficients_;
};

// ---------------------------------------------------------------------------------------------

template <typename Real>
CubicSpans<Real> CubicSpans<Real>::FromClamped(const BSplineCurve<Real>& curve) {
  const int n = curve.ControlPointCount();
  const int spans = n - 3;
  CubicSpans result(spans, false);
  const Real* c = curve.ControlCoordinates().data();
  const std::vector<Real>& knots = curve.Basis().KnotVector();
  for (int span = 0; span < spans; ++span) {
    if (span >= 3 && span < spans - 3) {
      result.SetUniformSpan(span, c + 3 * span, c + 3 * (span + 1), c + 3 * (span + 2),
                            c + 3 * (span + 3));
      continue;
    }
    // Near the ends the knots repeat: the span's Bezier points come from the polar form.
    const std::array<Point3<Real>, 4> bezier = CubicBezierPoints(c + 3 * span, knots.data() + span);
    result.SetSpanFromBezier(span, bezier);
  }
  return result;
}

template <typename Real>
CubicSpans<Real> CubicSpans<Real>::FromPeriodic(const std::vector<Real>& controls) {
  const int n = static_cast<int>(controls.size() / 3);
  CubicSpans result(n, true);
  const Real* c = controls.data();
  for (int span = 0; span < n; ++span) {
    result.SetUniformSpan(span, c + 3 * span, c + 3 * ((span + 1) % n), c + 3 * ((span + 2) % n),
                          c + 3 * ((span + 3) % n));
  }
  return result;
}

template <typename Real>
void CubicSpans<Real>::SetUniformSpan(int span, const Real* c0, const Real* c1, const Real* c2,
                                      const Real* c3) {
  Real* a = coefficients_.data() + static_cast<std::size_t>(span) * kCoefficients;
  for (int x = 0; x < 3; ++x) {
    UniformCubicBasis<Real>::PowerCoefficients(c0[x], c1[x], c2[x], c3[x], a + 4 * x);
  }
}

template <typename Real>
void CubicSpans<Real>::SetSpanFromBezier(int span, const std::array<Point3<Real>, 4>& bezier) {
  Real* a = coefficients_.data() + static_cast<std::size_t>(span) * kCoefficients;
  for (int x = 0; x < 3; ++x) {
    const Real b0 = bezier[0][x], b1 = bezier[1][x], b2 = bezier[2][x], b3 = bezier[3][x];
    a[4 * x] = b0;
    a[4 * x + 1] = 3 * (b1 - b0);
    a[4 * x + 2] = 3 * (b0 - 2 * b1 + b2);
    a[4 * x + 3] = b3 - b0 + 3 * (b1 - b2);
  }
}

template <typename Real>
int CubicSpans<Real>::Locate(Real u, Real& s) const {
  if (periodic_) u = u - std::floor(u);
  Real x = u * spanCount_;
  if (!(x > 0)) x = 0;  // a u that is not a number included: the conversion below needs a number
  if (x > spanCount_) x = spanCount_;
  const int span = std::min(static_cast<int>(x), spanCount_ - 1);
  s = x - span;
  return span;
}

template <typename Real>
void CubicSpans<Real>::Evaluate(Real u, Real* point) const {
  Real s = 0;
  const Real* a = coefficients_.data() + static_cast<std::size_t>(Locate(u, s)) * kCoefficients;
  for (int x = 0; x < 3; ++x, a += 4) point[x] = ((a[3] * s + a[2]) * s + a[1]) * s + a[0];
}

template <typename Real>
void CubicSpans<Real>::Evaluate(Real u, Real* point, Real* first, Real* second) const {
  Real s = 0;
  const Real* a = coefficients_.data() + static_cast<std::size_t>(Locate(u, s)) * kCoefficients;
  const Real scale = spanCount_;  // ds/du
  for (int x = 0; x < 3; ++x, a += 4) {
    point[x] = ((a[3] * s + a[2]) * s + a[1]) * s + a[0];
    first[x] = ((3 * a[3] * s + 2 * a[2]) * s + a[1]) * scale;
    second[x] = (6 * a[3] * s + 2 * a[2]) * scale * scale;
  }
}

template <typename Real>
Real CubicSpans<Real>::LargestBend(int span) const {
  const Real* a = coefficients_.data() + static_cast<std::size_t>(span) * kCoefficients;
  const Real scale = Real(spanCount_) * spanCount_;
  Real start = 0;
  Real end = 0;
  for (int x = 0; x < 3; ++x, a += 4) {
    const Real atStart = 2 * a[2] * scale;
    const Real atEnd = (6 * a[3] + 2 * a[2]) * scale;
    start += atStart * atStart;
    end += atEnd * atEnd;
  }
  return std::sqrt(std::max(start, end));
}

template <typename Real>
Real CubicSpans<Real>::SquaredDistanceNear(const Real* target, Real near) const {
  const Real reach = Real(1) / spanCount_;
  Real low = near - reach;
  Real high = near + reach;
  if (!periodic_) {
    low = std::max(low, Real(0));
    high = std::min(high, Real(1));
  }
  return LocalSquaredDistance(*this, target, low, high, kNearSteps);
}

}  // namespace num

// A clamped cubic B-spline in three dimensions as one Bézier piece per knot interval: each piece
// runs through its first and last point and stays inside the convex hull of its four, so boxes
// around them bound the curve, and halving a piece gives the Bézier points of its halves. The
// nearest-point search over a whole fit walks them.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "numerics/Point3.h"
#include "numerics/PolarForm.h"

namespace num {

/// One cubic piece in Bézier form, its own parameter s running over [0, 1].
template <typename Real>
struct BezierPiece {
  std::array<Point3<Real>, 4> points;

  /// The piece's point at s (de Casteljau's scheme).
  void Evaluate(Real s, Real* point) const;
  /// The point and the first and second derivatives with respect to s, at s.
  void Evaluate(Real s, Real* point, Real* first, Real* second) const;
  /// The two halves, s in [0, 1/2] and in [1/2, 1], each as a piece of its own.
  void SplitInHalf(BezierPiece& left, BezierPiece& right) const;
  /// A squared distance from `p` that no point of the piece comes nearer than: the box around
  /// the four points, or, far away, the chord less the piece's bulge beside it.
  Real SquaredDistanceLowerBound(const Real* p) const;
};

/// The pieces of a clamped cubic fit, each with its knot interval.
template <typename Real>
class BezierSpans {
 public:
  /// The pieces of `curve` (cubic, 3 coordinates, its full knot vector) with every control
  /// coordinate multiplied by `scale`: one per non-empty knot interval, built through the polar
  /// form.
  BezierSpans(const BSplineCurve<Real>& curve, Real scale);

  const std::vector<BezierPiece<Real>>& Pieces() const { return pieces_; }

  /// The index of the piece that holds parameter u of [0, 1]; `hint`, a piece at or before it,
  /// saves the search when u lies a little beyond the last one asked for.
  std::size_t PieceAt(Real u, std::size_t hint = 0) const;

  /// The curve's point at parameter u, which piece `index` holds.
  Point3<Real> PointAt(std::size_t index, Real u) const;

 private:
  std::vector<Real> knots_;
  std::vector<int> spans_;  // the knot index that starts each piece's interval
  std::vector<BezierPiece<Real>> pieces_;
};

// ---------------------------------------------------------------------------------------------

// de Casteljau's scheme, one coordinate at a time: a + (b - a) · s at every level.
template <typename Real>
void BezierPiece<Real>::Evaluate(Real s, Real* point) const {
  for (int x = 0; x < 3; ++x) {
    const Real p0 = points[0][x], p1 = points[1][x], p2 = points[2][x], p3 = points[3][x];
    const Real a = p0 + (p1 - p0) * s;
    const Real b = p1 + (p2 - p1) * s;
    const Real c = p2 + (p3 - p2) * s;
    const Real ab = a + (b - a) * s;
    const Real bc = b + (c - b) * s;
    point[x] = ab + (bc - ab) * s;
  }
}

template <typename Real>
void BezierPiece<Real>::Evaluate(Real s, Real* point, Real* first, Real* second) const {
  Evaluate(s, point);
  const Real r = 1 - s;
  const Real w0 = 3 * r * r, w1 = 6 * s * r, w2 = 3 * s * s;
  const Real v0 = 6 * (1 - s), v1 = 6 * s;
  const auto& q = points;
  for (int x = 0; x < 3; ++x) {
    first[x] = w0 * (q[1][x] - q[0][x]) + w1 * (q[2][x] - q[1][x]) + w2 * (q[3][x] - q[2][x]);
    second[x] = v0 * (q[2][x] - 2 * q[1][x] + q[0][x]) + v1 * (q[3][x] - 2 * q[2][x] + q[1][x]);
  }
}

template <typename Real>
void BezierPiece<Real>::SplitInHalf(BezierPiece& left, BezierPiece& right) const {
  const Real half = Real(0.5);
  const Point3<Real> a = Lerp(points[0], points[1], half);
  const Point3<Real> b = Lerp(points[1], points[2], half);
  const Point3<Real> c = Lerp(points[2], points[3], half);
  const Point3<Real> ab = Lerp(a, b, half);
  const Point3<Real> bc = Lerp(b, c, half);
  const Point3<Real> middle = Lerp(ab, bc, half);
  left.points = {points[0], a, ab, middle};
  right.points = {middle, bc, c, points[3]};
}

namespace bezier_detail {

// How far `value` lies outside [low, high]; 0 inside.
template <typename Real>
Real GapOutside(Real value, Real low, Real high) {
  return value < low ? low - value : (value > high ? value - high : Real(0));
}

}  // namespace bezier_detail

// The box bound is tight for points near the piece; far away the chord bound is, since the piece
// stays within its control points' largest distance from the chord, which shrinks with the square
// of its size.
template <typename Real>
Real BezierPiece<Real>::SquaredDistanceLowerBound(const Real* p) const {
  const auto& q = points;
  Real box = 0;
  for (int x = 0; x < 3; ++x) {
    const Real low = std::min(std::min(q[0][x], q[1][x]), std::min(q[2][x], q[3][x]));
    const Real high = std::max(std::max(q[0][x], q[1][x]), std::max(q[2][x], q[3][x]));
    const Real gap = bezier_detail::GapOutside(p[x], low, high);
    box += gap * gap;
  }
  const Real bulge = std::max(DistanceToSegment(q[1].data(), q[0].data(), q[3].data()),
                              DistanceToSegment(q[2].data(), q[0].data(), q[3].data()));
  const Real chord = std::max(DistanceToSegment(p, q[0].data(), q[3].data()) - bulge, Real(0));
  return std::max(box, chord * chord);
}

template <typename Real>
BezierSpans<Real>::BezierSpans(const BSplineCurve<Real>& curve, Real scale)
    : knots_(curve.Basis().KnotVector()) {
  constexpr int kDegree = 3;
  std::vector<Real> controls = curve.ControlCoordinates();
  for (Real& c : controls) c *= scale;
  const int controlCount = curve.ControlPointCount();
  for (int span = kDegree; span < controlCount; ++span) {
    if (knots_[span] < knots_[span + 1]) {
      spans_.push_back(span);
      pieces_.push_back({CubicBezierPoints(controls.data() + 3 * (span - kDegree),
                                           knots_.data() + (span - kDegree))});
    }
  }
}

template <typename Real>
std::size_t BezierSpans<Real>::PieceAt(Real u, std::size_t hint) const {
  std::size_t index = std::min(hint, spans_.size() - 1);
  if (!(knots_[spans_[index]] <= u)) index = 0;
  // Points come in the order of u, a piece or so apart: a few steps beat a bisection.
  for (int step = 0; step < 4; ++step) {
    if (index + 1 >= spans_.size() || !(knots_[spans_[index + 1]] <= u)) return index;
    ++index;
  }
  const auto after = std::upper_bound(knots_.begin(), knots_.end(), u);
  const int span = static_cast<int>(after - knots_.begin()) - 1;
  const auto piece = std::upper_bound(spans_.begin(), spans_.end(), span);
  return piece == spans_.begin() ? 0 : (piece - spans_.begin()) - 1;
}

template <typename Real>
Point3<Real> BezierSpans<Real>::PointAt(std::size_t index, Real u) const {
  const Real a = knots_[spans_[index]];
  const Real b = knots_[spans_[index] + 1];
  Point3<Real> point;
  pieces_[index].Evaluate(std::clamp((u - a) / (b - a), Real(0), Real(1)), point.data());
  return point;
}

}  // namespace num

// The polar form (blossom) of a cubic B-spline piece, which gives the piece's Bézier points from
// its control points and knots whatever the knots' spacing. The evaluated forms of a fit
// (CubicSpans, BezierSpans) are built through it.
#pragma once

#include <array>

#include "numerics/Point3.h"

namespace num {

/// The Bézier points of the cubic piece on the knot interval [a, b] = [knots[3], knots[4]], whose
/// controls are controls[0 ... 11] (four points, x y z each) and whose knots are knots[0 ... 6]:
/// the polar form's values at (a, a, a), (a, a, b), (a, b, b), (b, b, b). The interval must not
/// be empty.
template <typename Real>
std::array<Point3<Real>, 4> CubicBezierPoints(const Real* controls, const Real* knots);

// ---------------------------------------------------------------------------------------------

// de Boor's scheme with one argument per level: level l blends neighbouring points over the knot
// intervals l levels wide, at the l-th argument.
template <typename Real>
std::array<Point3<Real>, 4> CubicBezierPoints(const Real* controls, const Real* knots) {
  const Real a = knots[3];
  const Real b = knots[4];
  const Real arguments[4][3] = {{a, a, a}, {a, a, b}, {a, b, b}, {b, b, b}};
  std::array<Point3<Real>, 4> bezier{};
  for (int p = 0; p < 4; ++p) {
    std::array<Point3<Real>, 4> d{};
    for (int j = 0; j < 4; ++j) d[j] = {controls[3 * j], controls[3 * j + 1], controls[3 * j + 2]};
    for (int level = 1; level <= 3; ++level) {
      for (int j = 3; j >= level; --j) {
        const Real alpha = (arguments[p][level - 1] - knots[j]) / (knots[j + 4 - level] - knots[j]);
        d[j] = Lerp(d[j - 1], d[j], alpha);
      }
    }
    bezier[p] = d[3];
  }
  return bezier;
}

}  // namespace num

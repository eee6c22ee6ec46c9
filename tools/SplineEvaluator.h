// Evaluates a non-rational B-spline with de Boor's algorithm, so that the picture can draw the
// host's curve from its control points and knots alone. Used by the SVG picture.
#pragma once

#include <utility>
#include <vector>

#include "tools/SessionReport.h"

namespace sorvane {

class SplineEvaluator {
 public:
  /// Keeps a copy of `spline`. Throws std::invalid_argument unless the degree is at least 1, there
  /// are more control points than the degree, the knot count is controls + degree + 1, the knots
  /// are finite and non-decreasing and the domain [knots[degree], knots[controls]] is not empty.
  /// Weights are not part of Spline, so a rational curve is drawn as its non-rational polygon.
  explicit SplineEvaluator(const Spline& spline);

  /// The parameter range [first, last] over which the curve is defined.
  std::pair<double, double> domain() const;

  /// The point at parameter u; u is clamped into the domain.
  Point3 point(double u) const;

  /// Points along the whole curve: `perSpan` evenly spaced parameters in every non-empty knot
  /// span, and the curve's end point, in order of increasing parameter.
  std::vector<Point3> samples(int perSpan) const;

 private:
  std::size_t spanOf(double u) const;

  Spline spline_;
};

}  // namespace sorvane

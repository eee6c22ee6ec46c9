#include "tools/formats/splineCurve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <utility>

#include "numerics/BasisSetup.h"
#include "numerics/DistinctKnot.h"

namespace sorvane {

namespace {

void checkSpline(const Spline& spline) {
  const std::vector<double>& knots = spline.knots;
  const std::size_t controls = spline.controlPoints.size();
  if (spline.degree < 1) throw std::invalid_argument("spline degree below 1");
  const auto degree = static_cast<std::size_t>(spline.degree);
  if (controls <= degree) throw std::invalid_argument("spline has too few control points");
  if (knots.size() != controls + degree + 1) throw std::invalid_argument("spline knot count");
  for (std::size_t i = 0; i < knots.size(); ++i) {
    if (!std::isfinite(knots[i]) || (i > 0 && knots[i] < knots[i - 1])) {
      throw std::invalid_argument("spline knots not finite and non-decreasing");
    }
  }
  if (!(knots[degree] < knots[controls])) throw std::invalid_argument("spline domain is empty");
}

}  // namespace

// The basis takes a knot at most degree + 1 times at the ends and degree times inside. The first
// basis function vanishes on the domain exactly when knots[degree + 1] equals knots[degree], the
// domain's start; dropping it with its control point and first knot leaves the curve as it was.
// The same holds at the far end (knots[controls - 1] equal to knots[controls]), so once both ends
// are trimmed only a break inside the domain is left for the basis to refuse.
num::BSplineCurve<double> splineCurve(const Spline& spline) {
  checkSpline(spline);
  const int degree = spline.degree;
  std::size_t first = 0;
  std::size_t end = spline.controlPoints.size();
  const std::vector<double>& knots = spline.knots;
  while (knots[first + degree + 1] == knots[first + degree]) ++first;
  while (knots[end - 1] == knots[end]) --end;

  std::vector<double> coordinates;
  coordinates.reserve(3 * (end - first));
  for (std::size_t i = first; i < end; ++i) {
    coordinates.insert(coordinates.end(), spline.controlPoints[i].begin(),
                       spline.controlPoints[i].end());
  }
  num::BasisSetup<double> setup;
  setup.controlPointCount = static_cast<int>(end - first);
  setup.degree = degree;
  for (std::size_t k = first; k < end + degree + 1; ++k) {
    if (setup.distinctKnots.empty() || setup.distinctKnots.back().t != knots[k]) {
      setup.distinctKnots.push_back(num::DistinctKnot<double>{knots[k], 0});
    }
    ++setup.distinctKnots.back().multiplicity;
  }
  setup.distinctKnotCount = static_cast<int>(setup.distinctKnots.size());
  for (std::size_t k = 1; k + 1 < setup.distinctKnots.size(); ++k) {
    if (setup.distinctKnots[k].multiplicity > degree) {
      throw std::invalid_argument("spline breaks at a knot inside its domain");
    }
  }
  num::BSplineCurve<double> curve(3, std::move(coordinates), setup);
  // The checks above leave nothing the basis refuses; should they miss a case, the refused curve
  // would be drawn as a single point at the origin.
  if (!curve.Basis().IsCreated()) throw std::invalid_argument("spline the basis refuses");
  return curve;
}

std::vector<Point3> splinePoints(const Spline& spline, int perSpan) {
  num::BSplineCurve<double> curve = splineCurve(spline);
  perSpan = std::max(perSpan, 1);
  const std::vector<double>& knots = curve.Basis().KnotVector();
  auto pointAt = [&curve](double u) {
    Point3 point;
    curve.EvaluatePoint(u, point.data());
    return point;
  };
  std::vector<Point3> points;
  for (int s = curve.Degree(); s < curve.ControlPointCount(); ++s) {
    const double start = knots[static_cast<std::size_t>(s)];
    const double width = knots[static_cast<std::size_t>(s) + 1] - start;
    if (width == 0) continue;
    for (int k = 0; k < perSpan; ++k) points.push_back(pointAt(start + width * k / perSpan));
  }
  points.push_back(pointAt(curve.Basis().DomainMax()));
  return points;
}

}  // namespace sorvane

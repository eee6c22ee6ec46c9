#include "tools/SplineEvaluator.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace sorvane {

SplineEvaluator::SplineEvaluator(const Spline& spline) : spline_(spline) {
  const auto& knots = spline_.knots;
  const std::size_t controls = spline_.controlPoints.size();
  if (spline_.degree < 1) throw std::invalid_argument("spline degree below 1");
  const auto degree = static_cast<std::size_t>(spline_.degree);
  if (controls <= degree) throw std::invalid_argument("spline has too few control points");
  if (knots.size() != controls + degree + 1) throw std::invalid_argument("spline knot count");
  for (std::size_t i = 0; i < knots.size(); ++i) {
    if (!std::isfinite(knots[i]) || (i > 0 && knots[i] < knots[i - 1])) {
      throw std::invalid_argument("spline knots not finite and non-decreasing");
    }
  }
  if (!(knots[degree] < knots[controls])) throw std::invalid_argument("spline domain is empty");
}

std::pair<double, double> SplineEvaluator::domain() const {
  const auto degree = static_cast<std::size_t>(spline_.degree);
  return {spline_.knots[degree], spline_.knots[spline_.controlPoints.size()]};
}

// The span s with knots[s] <= u < knots[s + 1], degree <= s < controls; at the domain's end the
// last non-empty span, so that the end point is reached.
std::size_t SplineEvaluator::spanOf(double u) const {
  const auto& knots = spline_.knots;
  const auto degree = static_cast<std::size_t>(spline_.degree);
  std::size_t last = spline_.controlPoints.size() - 1;
  while (knots[last] == knots[last + 1]) --last;  // ends: the domain is not empty
  const auto upper = std::upper_bound(knots.begin() + static_cast<long>(degree),
                                      knots.begin() + static_cast<long>(last) + 1, u);
  return std::min(last, static_cast<std::size_t>(upper - knots.begin()) - 1);
}

Point3 SplineEvaluator::point(double u) const {
  const auto [first, last] = domain();
  u = std::clamp(u, first, last);
  const auto& knots = spline_.knots;
  const auto degree = static_cast<std::size_t>(spline_.degree);
  const std::size_t span = spanOf(u);
  std::vector<Point3> d(spline_.controlPoints.begin() + static_cast<long>(span - degree),
                        spline_.controlPoints.begin() + static_cast<long>(span) + 1);
  for (std::size_t r = 1; r <= degree; ++r) {
    for (std::size_t j = degree; j >= r; --j) {
      const std::size_t i = j + span - degree;
      const double alpha = (u - knots[i]) / (knots[i + degree + 1 - r] - knots[i]);
      for (int c = 0; c < 3; ++c) d[j][c] = (1.0 - alpha) * d[j - 1][c] + alpha * d[j][c];
    }
  }
  return d[degree];
}

std::vector<Point3> SplineEvaluator::samples(int perSpan) const {
  perSpan = std::max(perSpan, 1);
  const auto& knots = spline_.knots;
  const auto degree = static_cast<std::size_t>(spline_.degree);
  std::vector<Point3> points;
  for (std::size_t s = degree; s < spline_.controlPoints.size(); ++s) {
    if (knots[s] == knots[s + 1]) continue;
    for (int k = 0; k < perSpan; ++k) {
      points.push_back(point(knots[s] + (knots[s + 1] - knots[s]) * k / perSpan));
    }
  }
  points.push_back(point(domain().second));
  return points;
}

}  // namespace sorvane

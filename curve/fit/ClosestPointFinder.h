// Finds, fast but not always exactly, the point of a fitted spline closest to a given point: a
// table of curve positions narrows the search, a bounded one-dimensional minimisation
// finishes it. The acceptance of fits of up to 128 controls uses it, and keeps it as it is
// because its counts must stay those of the reference fit this search belongs to
// (tests/support/LiteralBSplineCurveFit.h); every other nearest-point question goes to
// numerics/LocalSquaredDistance.h or NearestPointSearch.h.
#pragma once

#include <array>

#include "curve/formula/SamplePoint.h"
#include "numerics/BSplineCurve.h"
#include "numerics/Minimize1.h"

namespace vintrel::curve {

/// The result of one search.
struct ClosestPoint {
  std::array<double, 3> point;  ///< the curve's position at `parameter`
  double parameter;             ///< curve parameter in [0, 1]
  double squaredDistance;       ///< as the minimiser found it
};

/// Built on one fit (which it fills a table from, and which must outlive it); answers any number
/// of searches. Its table only holds curve parameters 1/256 ... 255/256 and its coarse pass
/// looks at every eighth entry up to entry 249, so on closed curves or close turns it can settle
/// on the wrong arc: its distance is an upper bound, not the true distance. Neither copyable
/// nor movable (the minimiser's objective refers to the finder).
class ClosestPointFinder {
 public:
  explicit ClosestPointFinder(num::BSplineCurve<double>& curve);
  ClosestPointFinder(const ClosestPointFinder&) = delete;
  ClosestPointFinder& operator=(const ClosestPointFinder&) = delete;

  /// Searches the curve for the point closest to `target`. Allocates nothing.
  ClosestPoint findClosestPoint(const SamplePoint& target);

 private:
  static constexpr int kTableSize = 256;
  static constexpr int kSearchStride = 8;
  static constexpr double kParameterStep = 0.00390625;  // 1 / 256
  static constexpr int kLevelBudget = 3;
  static constexpr int kBracketIterations = 4;

  void fillPositionTable();
  int nearestEntry(int first, int last, int stride) const;
  double squaredDistanceToEntry(int index) const;
  double squaredDistanceAt(double u);

  num::BSplineCurve<double>& curve_;
  // x y z of curve positions at index * kParameterStep; entry 0 is never searched.
  std::array<double, 3 * kTableSize> positionTable_;
  SamplePoint target_{};
  num::Minimize1<double> minimizer_;
};

}  // namespace vintrel::curve

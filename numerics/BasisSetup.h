// The description of a B-spline basis handed to BasisFunction::Create: counts, flags and the
// knot vector as distinct values with multiplicities. The curve fitter fills one with a clamped
// uniform knot vector.
#pragma once

#include <vector>

#include "numerics/DistinctKnot.h"

namespace num {

template <typename Real>
struct BasisSetup {
  /// Number of control points (for a periodic basis, without the `degree` wrapped ones).
  int controlPointCount = 0;
  int degree = 0;
  /// The caller's statement that the knots are evenly spaced; recorded only.
  bool uniform = false;
  bool periodic = false;
  /// How many leading entries of `distinctKnots` are used.
  int distinctKnotCount = 0;
  /// Distinct knots in increasing order; their multiplicities must add up to the knot count,
  /// controlPointCount + degree + 1 (controlPointCount + 2 * degree + 1 when periodic).
  std::vector<DistinctKnot<Real>> distinctKnots;
};

}  // namespace num

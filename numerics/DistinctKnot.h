// One distinct value of a B-spline knot vector with the number of consecutive knots that carry
// it. BasisSetup lists them to describe a knot vector; BasisFunction keeps a copy.
#pragma once

namespace num {

template <typename Real>
struct DistinctKnot {
  /// The knot value.
  Real t = 0;
  /// How many consecutive entries of the knot vector hold `t`.
  int multiplicity = 0;
};

}  // namespace num

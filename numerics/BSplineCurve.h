// A B-spline curve as plain data: its control points and its basis, evaluated at any parameter.
// Every fit of the library is one (the least-squares fits build theirs, a periodic fit hands its
// clamped equivalent on), and the curve library reads the control points and knots from it to
// give the host its spline.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "numerics/BasisFunction.h"
#include "numerics/BasisSetup.h"
#include "numerics/DistinctKnot.h"

namespace num {

template <typename Real>
class BSplineCurve {
 public:
  /// The curve of `controlCoordinates` (control point after control point, `dimension` values
  /// each) on the basis made from `setup`, whose control count and degree it takes. A basis the
  /// setup cannot make is reported by the basis; the curve then evaluates to zeros.
  BSplineCurve(int dimension, std::vector<Real> controlCoordinates, const BasisSetup<Real>& setup)
      : dimension_(dimension),
        degree_(setup.degree),
        controlPointCount_(setup.controlPointCount),
        controlCoordinates_(std::move(controlCoordinates)) {
    basis_.Create(setup);
  }

  int Dimension() const { return dimension_; }
  int Degree() const { return degree_; }
  /// The number of control points.
  int ControlPointCount() const { return controlPointCount_; }
  /// ControlPointCount() · Dimension() values, control point after control point.
  const std::vector<Real>& ControlCoordinates() const { return controlCoordinates_; }
  /// The basis, from which the knot vector is read.
  const BasisFunction<Real>& Basis() const { return basis_; }

  /// Writes the curve's point at t (clamped to the basis's domain) into `position` (Dimension()
  /// values): zeros when the basis could not be created. Overwrites the basis's scratch table,
  /// so one thread at a time per object; allocates nothing.
  void EvaluatePoint(Real t, Real* position);

  /// The setup of a clamped uniform knot vector on [0, 1] for `controlPointCount` controls of
  /// `degree`: last = controlPointCount - degree distinct spans, step = 1 / last, knots 0
  /// (degree + 1 times), k · step for k = 1 ... last - 1, 1 (degree + 1 times). An invalid degree
  /// or count gives the setup without knots, which the basis refuses.
  static BasisSetup<Real> ClampedUniformSetup(int controlPointCount, int degree);

 protected:
  /// A curve of `controlPointCount` zero control points whose basis a derived fit creates.
  BSplineCurve(int dimension, int degree, int controlPointCount)
      : dimension_(dimension), degree_(degree), controlPointCount_(controlPointCount) {}

  int dimension_;
  int degree_;
  int controlPointCount_;
  std::vector<Real> controlCoordinates_;
  BasisFunction<Real> basis_;
};

// ---------------------------------------------------------------------------------------------

template <typename Real>
void BSplineCurve<Real>::EvaluatePoint(Real t, Real* position) {
  int imin = -1;
  int imax = -1;
  basis_.EvaluateBasis(t, imin, imax);
  if (imin < 0) {
    for (int j = 0; j < dimension_; ++j) position[j] = 0;
    return;
  }
  const Real* control = controlCoordinates_.data() + static_cast<std::size_t>(imin) * dimension_;
  const Real first = basis_.GetValue(imin);
  for (int j = 0; j < dimension_; ++j) position[j] = first * control[j];
  for (int i = imin + 1; i <= imax; ++i) {
    control += dimension_;
    const Real value = basis_.GetValue(i);
    for (int j = 0; j < dimension_; ++j) position[j] = value * control[j] + position[j];
  }
}

template <typename Real>
BasisSetup<Real> BSplineCurve<Real>::ClampedUniformSetup(int controlPointCount, int degree) {
  BasisSetup<Real> setup;
  setup.controlPointCount = controlPointCount;
  setup.degree = degree;
  setup.uniform = true;
  setup.periodic = false;
  const int last = controlPointCount - degree;
  setup.distinctKnotCount = last + 1;
  // An invalid degree is refused by the basis before it reads any knot; an empty list then
  // avoids building a useless (possibly huge) one.
  if (degree < 1 || last < 1) return setup;
  const Real step = 1 / Real(last);
  setup.distinctKnots.push_back(DistinctKnot<Real>{Real(0), degree + 1});
  for (int k = 1; k < last; ++k) setup.distinctKnots.push_back(DistinctKnot<Real>{k * step, 1});
  setup.distinctKnots.push_back(DistinctKnot<Real>{Real(1), degree + 1});
  return setup;
}

}  // namespace num

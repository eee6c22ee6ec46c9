// Least-squares fit of a cubic B-spline with a clamped uniform knot vector on [0, 1] to many
// evenly parametrised samples, through the banded normal equations: memory and time grow with
// the samples alone, so thousands of controls and tens of thousands of samples fit in
// milliseconds. The adaptive fit of the curve library uses it for long curves, past the control
// counts of BSplineCurveFit.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "numerics/BandMatrix.h"
#include "numerics/DiagnosticReport.h"
#include "numerics/UniformCubicBasis.h"

namespace num {

template <typename Real>
class BandedCurveFit : public BSplineCurve<Real> {
 public:
  /// Fits `controlPointCount` cubic control points to `sampleCount` points of `dimension`
  /// coordinates each (sample k, coordinate j at k · dimension + j; read only during
  /// construction), sample k at the parameter k · (1 / (sampleCount - 1)), with the knots of
  /// BSplineCurve::ClampedUniformSetup. The first and the last control point are the first and
  /// the last sample; the others minimise the sum of squared distances given those two. The
  /// result depends on nothing but the arguments. Broken preconditions (dimension < 1, no sample
  /// data, fewer than 4 controls, more controls than samples) are the assertion report "Invalid
  /// fit input." and leave zero control points; a failed solve is reported as "Failed to solve
  /// linear system." with the control points from the partly solved system.
  BandedCurveFit(int dimension, int sampleCount, const Real* sampleCoordinates,
                 int controlPointCount);

 private:
  using BSplineCurve<Real>::dimension_;
  using BSplineCurve<Real>::controlPointCount_;
  using BSplineCurve<Real>::controlCoordinates_;
  using BSplineCurve<Real>::basis_;

  static constexpr int kDegree = 3;
  static constexpr int kBandWidth = kDegree + 1;  // the diagonal and 3 sub-diagonals

  static void ReportAssertionAt(int line, const char* message) {
    DiagnosticReport(__FILE__, "num::BandedCurveFit<double>::BandedCurveFit", line, message)
        .ReportAssertion();
  }
  int BasisAt(Real u, Real* values);
  void Accumulate(int sampleCount, const Real* sampleCoordinates);
  bool SolvePinned(const Real* firstSample, const Real* lastSample);

  // Entry (r, r - d) of AᵀA at r · kBandWidth + d, and row r of Aᵀ · samples at r · dimension.
  std::vector<Real> lowerBand_;
  std::vector<Real> rightSide_;
};

// ---------------------------------------------------------------------------------------------

template <typename Real>
BandedCurveFit<Real>::BandedCurveFit(int dimension, int sampleCount, const Real* sampleCoordinates,
                                     int controlPointCount)
    : BSplineCurve<Real>(dimension, kDegree, controlPointCount) {
  if (dimension < 1 || sampleCoordinates == nullptr || controlPointCount < kDegree + 1 ||
      sampleCount < controlPointCount) {
    ReportAssertionAt(__LINE__, "Invalid fit input.");
    controlPointCount_ = 0;
    return;
  }
  basis_.Create(BSplineCurve<Real>::ClampedUniformSetup(controlPointCount, kDegree));
  controlCoordinates_.assign(static_cast<std::size_t>(dimension) * controlPointCount, Real(0));
  Accumulate(sampleCount, sampleCoordinates);
  const Real* lastSample =
      sampleCoordinates + static_cast<std::size_t>(sampleCount - 1) * dimension;
  if (!SolvePinned(sampleCoordinates, lastSample)) {
    ReportAssertionAt(__LINE__, "Failed to solve linear system.");
  }
  lowerBand_ = std::vector<Real>();
  rightSide_ = std::vector<Real>();
}

// The first of the four controls whose basis functions are non-zero at u, and their values.
// Inside, every span is a uniform one and the closed form serves; the three spans at either end,
// where the clamped knots repeat, take the general recursion.
template <typename Real>
int BandedCurveFit<Real>::BasisAt(Real u, Real* values) {
  const int spans = controlPointCount_ - kDegree;
  const Real x = u * spans;
  const int span = std::min(static_cast<int>(x), spans - 1);
  if (span >= kDegree && span < spans - kDegree) {
    UniformCubicBasis<Real>::Values(x - span, values);
    return span;
  }
  int imin = -1;
  int imax = -1;
  basis_.EvaluateBasis(u, imin, imax);
  for (int a = 0; a < kBandWidth; ++a) values[a] = basis_.GetValue(imin + a);
  return imin;
}

// One pass over the samples: each adds the products of its four basis values to the lower band
// and its coordinates, weighted by them, to the right side, in increasing sample order.
template <typename Real>
void BandedCurveFit<Real>::Accumulate(int sampleCount, const Real* sampleCoordinates) {
  const int n = controlPointCount_;
  lowerBand_.assign(static_cast<std::size_t>(n) * kBandWidth, Real(0));
  rightSide_.assign(static_cast<std::size_t>(n) * dimension_, Real(0));
  const Real tStep = 1 / Real(sampleCount - 1);
  Real v[kBandWidth];
  for (int k = 0; k < sampleCount; ++k) {
    const int first = BasisAt(k * tStep, v);
    const Real* sample = sampleCoordinates + static_cast<std::size_t>(k) * dimension_;
    for (int a = 0; a < kBandWidth; ++a) {
      Real* row = lowerBand_.data() + static_cast<std::size_t>(first + a) * kBandWidth;
      for (int b = 0; b <= a; ++b) row[a - b] = row[a - b] + v[a] * v[b];
      Real* right = rightSide_.data() + static_cast<std::size_t>(first + a) * dimension_;
      for (int j = 0; j < dimension_; ++j) right[j] = right[j] + v[a] * sample[j];
    }
  }
}

// The end controls are known, so only the n - 2 inner ones are unknown: their rows of the normal
// equations lose the end controls' columns, whose products with the end samples move to the
// right side. What remains is banded and positive definite, and its Cholesky factor stays in the
// band.
template <typename Real>
bool BandedCurveFit<Real>::SolvePinned(const Real* firstSample, const Real* lastSample) {
  const int n = controlPointCount_;
  const int inner = n - 2;
  const int bands = std::min(kDegree, inner - 1);
  const auto entry = [&](int r, int c) {  // (r, c) of AᵀA for |r - c| <= 3
    return r >= c ? lowerBand_[static_cast<std::size_t>(r) * kBandWidth + (r - c)]
                  : lowerBand_[static_cast<std::size_t>(c) * kBandWidth + (c - r)];
  };
  BandMatrix<Real> matrix(inner, bands, bands);
  std::vector<Real> block(static_cast<std::size_t>(inner) * dimension_);
  for (int r = 1; r <= n - 2; ++r) {
    for (int c = std::max(1, r - bands); c <= r; ++c) matrix(r - 1, c - 1) = entry(r, c);
    const Real towardsFirst = r <= kDegree ? entry(r, 0) : Real(0);
    const Real towardsLast = n - 1 - r <= kDegree ? entry(r, n - 1) : Real(0);
    for (int j = 0; j < dimension_; ++j) {
      block[static_cast<std::size_t>(r - 1) * dimension_ + j] =
          rightSide_[static_cast<std::size_t>(r) * dimension_ + j] - towardsFirst * firstSample[j] -
          towardsLast * lastSample[j];
    }
  }
  const bool solved = matrix.DecomposeCholesky() &&
                      matrix.ForwardSubstitute(block.data(), dimension_) &&
                      matrix.BackSubstitute(block.data(), dimension_);
  std::copy(firstSample, firstSample + dimension_, controlCoordinates_.begin());
  std::copy(block.begin(), block.end(), controlCoordinates_.begin() + dimension_);
  std::copy(lastSample, lastSample + dimension_,
            controlCoordinates_.begin() + static_cast<std::ptrdiff_t>(n - 1) * dimension_);
  return solved;
}

}  // namespace num

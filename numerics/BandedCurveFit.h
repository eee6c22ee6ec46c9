// Least-squares fit of a cubic B-spline with a clamped uniform knot vector on [0, 1] to many
// evenly parametrised samples, through the banded normal equations: memory and time grow with
// the samples alone, so thousands of controls and tens of thousands of samples fit at once. The
// adaptive fit of the curve library uses it for long curves, past the control
// counts of BSplineCurveFit.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "numerics/BandCholesky.h"
#include "numerics/DiagnosticReport.h"
#include "numerics/UniformCubicBasis.h"

namespace num {

template <typename Real>
class BandedCurveFit : public BSplineCurve<Real> {
 public:
  /// How the end control points come to be the end samples.
  enum class Ends {
    Pinned,    ///< fixed first: the inner controls minimise the squares given them
    Replaced,  ///< all controls minimise the squares, then the ends are overwritten (the
               ///< curve of BSplineCurveFit, up to rounding)
  };

  /// Fits `controlPointCount` cubic control points to `sampleCount` points of `dimension`
  /// coordinates each (sample k, coordinate j at k · dimension + j; read only during
  /// construction), sample k at the parameter k · (1 / (sampleCount - 1)), with the knots of
  /// BSplineCurve::ClampedUniformSetup. The first and the last control point are the first and
  /// the last sample; the others minimise the sum of squared distances as `ends` says. The
  /// result depends on nothing but the arguments. Broken preconditions (dimension < 1, no sample
  /// data, fewer than 4 controls, more controls than samples) are the assertion report "Invalid
  /// fit input." and leave zero control points; a failed factorisation is reported as "Failed to
  /// solve linear system." and leaves the inner control points at the right side's values.
  BandedCurveFit(int dimension, int sampleCount, const Real* sampleCoordinates,
                 int controlPointCount, Ends ends = Ends::Pinned);

 private:
  using BSplineCurve<Real>::dimension_;
  using BSplineCurve<Real>::controlPointCount_;
  using BSplineCurve<Real>::controlCoordinates_;
  using BSplineCurve<Real>::basis_;

  static constexpr int kDegree = 3;
  static constexpr int kBandWidth = kDegree + 1;  // the diagonal and 3 sub-diagonals
  // The products of a span's four basis values that the lower band holds: (a, b) for b <= a.
  static constexpr int kProducts = 10;
  static constexpr int kProductRow[kProducts] = {0, 1, 1, 2, 2, 2, 3, 3, 3, 3};
  static constexpr int kProductColumn[kProducts] = {0, 1, 0, 2, 1, 0, 3, 2, 1, 0};

  static void ReportAssertionAt(int line, const char* message) {
    DiagnosticReport(__FILE__, "num::BandedCurveFit<double>::BandedCurveFit", line, message)
        .ReportAssertion();
  }
  int EndBasisAt(Real u, Real* values);
  void Accumulate(int sampleCount, const Real* sampleCoordinates);
  bool SolvePinned(const Real* firstSample, const Real* lastSample);
  bool SolveReplaced(const Real* firstSample, const Real* lastSample);

  // Entry (r, r - d) of AᵀA at r · kBandWidth + d, and row r of Aᵀ · samples at r · dimension.
  std::vector<Real> lowerBand_;
  std::vector<Real> rightSide_;
};

// ---------------------------------------------------------------------------------------------

template <typename Real>
BandedCurveFit<Real>::BandedCurveFit(int dimension, int sampleCount, const Real* sampleCoordinates,
                                     int controlPointCount, Ends ends)
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
  const bool solved = ends == Ends::Pinned ? SolvePinned(sampleCoordinates, lastSample)
                                           : SolveReplaced(sampleCoordinates, lastSample);
  if (!solved) {
    ReportAssertionAt(__LINE__, "Failed to solve linear system.");
  }
  lowerBand_ = std::vector<Real>();
  rightSide_ = std::vector<Real>();
}

// The first of the four controls whose basis functions are non-zero at u near the ends, where
// the clamped knots repeat, and their values by the general recursion.
template <typename Real>
int BandedCurveFit<Real>::EndBasisAt(Real u, Real* values) {
  int imin = -1;
  int imax = -1;
  basis_.EvaluateBasis(u, imin, imax);
  for (int a = 0; a < kBandWidth; ++a) values[a] = basis_.GetValue(imin + a);
  return imin;
}

// One pass over the samples: each adds the products of its four basis values to the lower band
// and its coordinates, weighted by them, to the right side, in increasing sample order. The sums
// of one span's samples are kept apart and added to the band when the next span begins, so that
// one sample's additions need not wait for the last one's.
template <typename Real>
void BandedCurveFit<Real>::Accumulate(int sampleCount, const Real* sampleCoordinates) {
  const int n = controlPointCount_;
  lowerBand_.assign(static_cast<std::size_t>(n) * kBandWidth, Real(0));
  rightSide_.assign(static_cast<std::size_t>(n) * dimension_, Real(0));
  const Real tStep = 1 / Real(sampleCount - 1);
  const int spans = n - kDegree;
  // Products v[a] · v[b], b <= a, in the order of kProductRow and kProductColumn, and the four
  // rows of the right side, of the samples since the span began.
  Real products[kProducts] = {};
  std::vector<Real> right(static_cast<std::size_t>(kBandWidth) * dimension_, Real(0));
  int current = -1;
  const auto flush = [&]() {
    if (current < 0) return;
    Real* rows = lowerBand_.data() + static_cast<std::size_t>(current) * kBandWidth;
    for (int i = 0; i < kProducts; ++i) {
      Real& entry = rows[kProductRow[i] * kBandWidth + (kProductRow[i] - kProductColumn[i])];
      entry = entry + products[i];
      products[i] = 0;
    }
    Real* target = rightSide_.data() + static_cast<std::size_t>(current) * dimension_;
    for (std::size_t i = 0; i < right.size(); ++i) {
      target[i] = target[i] + right[i];
      right[i] = 0;
    }
  };
  Real v[kBandWidth];
  for (int k = 0; k < sampleCount; ++k) {
    // Inside, every span is a uniform one and the closed form serves.
    const Real u = k * tStep;
    const Real x = u * spans;
    int first = std::min(static_cast<int>(x), spans - 1);
    if (first >= kDegree && first < spans - kDegree) {
      UniformCubicBasis<Real>::Values(x - first, v);
    } else {
      first = EndBasisAt(u, v);
    }
    if (first != current) {
      flush();
      current = first;
    }
    for (int i = 0; i < kProducts; ++i) {
      products[i] = products[i] + v[kProductRow[i]] * v[kProductColumn[i]];
    }
    const Real* sample = sampleCoordinates + static_cast<std::size_t>(k) * dimension_;
    Real* sums = right.data();
    if (dimension_ == 3) {
      const Real x0 = sample[0], x1 = sample[1], x2 = sample[2];
      for (int a = 0; a < kBandWidth; ++a, sums += 3) {
        sums[0] = sums[0] + v[a] * x0;
        sums[1] = sums[1] + v[a] * x1;
        sums[2] = sums[2] + v[a] * x2;
      }
      continue;
    }
    for (int a = 0; a < kBandWidth; ++a, sums += dimension_) {
      for (int j = 0; j < dimension_; ++j) sums[j] = sums[j] + v[a] * sample[j];
    }
  }
  flush();
}

// The end controls are known, so only the n - 2 inner ones are unknown: their rows of the normal
// equations lose the end controls' columns, whose products with the end samples move to the
// right side. What remains is banded and positive definite, and its Cholesky factor stays in the
// band.
template <typename Real>
bool BandedCurveFit<Real>::SolvePinned(const Real* firstSample, const Real* lastSample) {
  const int n = controlPointCount_;
  const int inner = n - 2;
  const auto entry = [&](int r, int c) {  // (r, c) of AᵀA for |r - c| <= 3
    return r >= c ? lowerBand_[static_cast<std::size_t>(r) * kBandWidth + (r - c)]
                  : lowerBand_[static_cast<std::size_t>(c) * kBandWidth + (c - r)];
  };
  // Rows and columns 1 ... n - 2 of AᵀA; its band starts one row further on.
  std::vector<Real> band(lowerBand_.begin() + kBandWidth, lowerBand_.end() - kBandWidth);
  std::vector<Real> block(static_cast<std::size_t>(inner) * dimension_);
  for (int r = 1; r <= n - 2; ++r) {
    const Real towardsFirst = r <= kDegree ? entry(r, 0) : Real(0);
    const Real towardsLast = n - 1 - r <= kDegree ? entry(r, n - 1) : Real(0);
    for (int j = 0; j < dimension_; ++j) {
      block[static_cast<std::size_t>(r - 1) * dimension_ + j] =
          rightSide_[static_cast<std::size_t>(r) * dimension_ + j] - towardsFirst * firstSample[j] -
          towardsLast * lastSample[j];
    }
  }
  const bool solved = BandCholesky<Real>::Factor(band, inner, kDegree);
  if (solved) BandCholesky<Real>::Solve(band, inner, kDegree, block.data(), dimension_);
  std::copy(firstSample, firstSample + dimension_, controlCoordinates_.begin());
  std::copy(block.begin(), block.end(), controlCoordinates_.begin() + dimension_);
  std::copy(lastSample, lastSample + dimension_,
            controlCoordinates_.begin() + static_cast<std::ptrdiff_t>(n - 1) * dimension_);
  return solved;
}

template <typename Real>
bool BandedCurveFit<Real>::SolveReplaced(const Real* firstSample, const Real* lastSample) {
  const int n = controlPointCount_;
  controlCoordinates_ = rightSide_;
  const bool solved = BandCholesky<Real>::Factor(lowerBand_, n, kDegree);
  if (solved)
    BandCholesky<Real>::Solve(lowerBand_, n, kDegree, controlCoordinates_.data(), dimension_);
  std::copy(firstSample, firstSample + dimension_, controlCoordinates_.begin());
  std::copy(lastSample, lastSample + dimension_,
            controlCoordinates_.begin() + static_cast<std::ptrdiff_t>(n - 1) * dimension_);
  return solved;
}

}  // namespace num

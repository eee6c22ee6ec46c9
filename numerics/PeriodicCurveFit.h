// Least-squares fit of a closed curve: a uniform periodic cubic B-spline to samples that go once
// round it, through its cyclic banded normal equations, with the clamped spline of the same curve
// that a host taking only clamped knots can draw. The adaptive fit of the curve library uses it
// for curves whose ends meet smoothly, so that they have no seam.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "numerics/BandCholesky.h"
#include "numerics/DiagnosticReport.h"
#include "numerics/UniformCubicBasis.h"

namespace num {

template <typename Real>
class PeriodicCurveFit {
 public:
  /// Fits `controlPointCount` (n) periodic control points to `sampleCount` (M) points of
  /// `dimension` coordinates each (sample k, coordinate j at k · dimension + j; read only during
  /// construction) taken once round the curve: sample k at u = k / M, the point at u = 1 being
  /// sample 0 again and not among them. The curve is C(u) = Σ c_(i mod n) N_i(u) on the knots
  /// (i - 3) / n; the controls minimise the sum of squared distances to the samples. The result
  /// depends on nothing but the arguments. Broken preconditions (dimension < 1, no sample data,
  /// fewer than 4 controls, more controls than samples) are the assertion report "Invalid fit
  /// input." and leave zero control points; a failed factorisation is reported as "Failed to
  /// solve linear system."
  PeriodicCurveFit(int dimension, int sampleCount, const Real* sampleCoordinates,
                   int controlPointCount);

  int Dimension() const { return dimension_; }
  /// The number of periodic control points, n.
  int ControlPointCount() const { return controlPointCount_; }
  /// n · Dimension() values, control point after control point.
  const std::vector<Real>& ControlCoordinates() const { return controlCoordinates_; }

  /// The same curve as a clamped cubic spline of n + 3 controls on the knots of
  /// BSplineCurve::ClampedUniformSetup (Boehm's insertion of the knots 0 and 1 up to full
  /// multiplicity): (c0 + 4c1 + c2) / 6, (2c1 + c2) / 3, c2, ..., c(n-1), c0, (c0 + 2c1) / 3,
  /// (c0 + 4c1 + c2) / 6. Its first and last control points are the same point, and its first
  /// and second derivatives at 0 and 1 agree. For a fit without control points the curve has
  /// none either, and its basis reports that it cannot be made.
  BSplineCurve<Real> ClampedCurve() const;

 private:
  static constexpr int kDegree = 3;
  static constexpr int kBandWidth = kDegree + 1;
  // Below this many controls the basis functions wrap onto themselves and the matrix is full.
  static constexpr int kSmallestBordered = 8;

  static void ReportAssertionAt(int line, const char* message) {
    DiagnosticReport(__FILE__, "num::PeriodicCurveFit<double>::PeriodicCurveFit", line, message)
        .ReportAssertion();
  }
  void Accumulate(int sampleCount, const Real* sampleCoordinates);
  Real Entry(int r, int c) const;
  bool SolveDense();
  bool SolveBordered();

  int dimension_;
  int controlPointCount_;
  std::vector<Real> controlCoordinates_;
  // Entry (r, r - d mod n) of AᵀA at r · kBandWidth + d, d = 0 ... 3, and row r of
  // Aᵀ · samples at r · dimension.
  std::vector<Real> lowerBand_;
  std::vector<Real> rightSide_;
};

// ---------------------------------------------------------------------------------------------

template <typename Real>
PeriodicCurveFit<Real>::PeriodicCurveFit(int dimension, int sampleCount,
                                         const Real* sampleCoordinates, int controlPointCount)
    : dimension_(dimension), controlPointCount_(controlPointCount) {
  if (dimension < 1 || sampleCoordinates == nullptr || controlPointCount < kDegree + 1 ||
      sampleCount < controlPointCount) {
    ReportAssertionAt(__LINE__, "Invalid fit input.");
    controlPointCount_ = 0;
    return;
  }
  Accumulate(sampleCount, sampleCoordinates);
  const bool solved = controlPointCount < kSmallestBordered ? SolveDense() : SolveBordered();
  if (!solved) ReportAssertionAt(__LINE__, "Failed to solve linear system.");
  lowerBand_ = std::vector<Real>();
  rightSide_ = std::vector<Real>();
}

// One pass over the samples, each adding the products of its four basis values to the rows of
// its controls, wrapped round, in increasing sample order.
template <typename Real>
void PeriodicCurveFit<Real>::Accumulate(int sampleCount, const Real* sampleCoordinates) {
  const int n = controlPointCount_;
  lowerBand_.assign(static_cast<std::size_t>(n) * kBandWidth, Real(0));
  rightSide_.assign(static_cast<std::size_t>(n) * dimension_, Real(0));
  Real v[kBandWidth];
  for (int k = 0; k < sampleCount; ++k) {
    // k · n / M: exact, and so is the split into span and fraction, when M / n is a power of two.
    const Real x = Real(k) * Real(n) / Real(sampleCount);
    const int span = std::min(static_cast<int>(x), n - 1);
    UniformCubicBasis<Real>::Values(x - span, v);
    const Real* sample = sampleCoordinates + static_cast<std::size_t>(k) * dimension_;
    for (int a = 0; a < kBandWidth; ++a) {
      const int row = (span + a) % n;
      Real* entries = lowerBand_.data() + static_cast<std::size_t>(row) * kBandWidth;
      for (int b = 0; b <= a; ++b) entries[a - b] = entries[a - b] + v[a] * v[b];
      Real* right = rightSide_.data() + static_cast<std::size_t>(row) * dimension_;
      for (int j = 0; j < dimension_; ++j) right[j] = right[j] + v[a] * sample[j];
    }
  }
}

// Entry (r, c) of AᵀA, with r - c taken round the circle; zero beyond three steps. With fewer
// than 7 controls two steps can lead to the same column, and the entry is their sum.
template <typename Real>
Real PeriodicCurveFit<Real>::Entry(int r, int c) const {
  const int n = controlPointCount_;
  Real sum = 0;
  for (int d = 0; d < kBandWidth; ++d) {
    if (((r - d) % n + n) % n == c) sum += lowerBand_[static_cast<std::size_t>(r) * kBandWidth + d];
    if (d > 0 && ((c - d) % n + n) % n == r) {
      sum += lowerBand_[static_cast<std::size_t>(c) * kBandWidth + d];
    }
  }
  return sum;
}

template <typename Real>
bool PeriodicCurveFit<Real>::SolveDense() {
  const int n = controlPointCount_;
  // Dense: the band as wide as the matrix.
  std::vector<Real> lower(static_cast<std::size_t>(n) * n);
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c <= r; ++c) lower[static_cast<std::size_t>(r) * n + (r - c)] = Entry(r, c);
  }
  controlCoordinates_ = rightSide_;
  return BandCholesky<Real>::FactorAndSolve(lower, n, n - 1, controlCoordinates_.data(),
                                            dimension_);
}

// The cyclic matrix split after its first n - 3 rows: a banded block B (no row of it reaches
// round the circle), three coupling columns C and a 3 × 3 corner D. With Y = B⁻¹C and
// z = B⁻¹ r_top, the last three controls solve (D - CᵀY) x = r_bottom - Cᵀz (a Schur complement,
// positive definite as the whole is), and the others are z - Y x.
template <typename Real>
bool PeriodicCurveFit<Real>::SolveBordered() {
  const int n = controlPointCount_;
  const int m = n - kDegree;
  const int columns = kDegree + dimension_;
  // B's band is the first m rows of the cyclic one, less the entries that reach round the circle
  // (before column 0), which the factorisation does not read.
  std::vector<Real> band(lowerBand_.begin(),
                         lowerBand_.begin() + static_cast<std::ptrdiff_t>(m) * kBandWidth);
  std::vector<Real> block(static_cast<std::size_t>(m) * columns, Real(0));
  // Only the first and the last three rows of B reach the corner's columns.
  std::vector<int> couplingRows;
  for (int r = 0; r < m; ++r) {
    if (r < kDegree || r >= m - kDegree) couplingRows.push_back(r);
  }
  for (int r = 0; r < m; ++r) {
    Real* row = block.data() + static_cast<std::size_t>(r) * columns;
    for (int j = 0; j < dimension_; ++j) {
      row[kDegree + j] = rightSide_[static_cast<std::size_t>(r) * dimension_ + j];
    }
  }
  for (int r : couplingRows) {
    for (int b = 0; b < kDegree; ++b) {
      block[static_cast<std::size_t>(r) * columns + b] = Entry(r, m + b);
    }
  }
  const bool bandSolved = BandCholesky<Real>::Factor(band, m, kDegree);
  if (bandSolved) BandCholesky<Real>::Solve(band, m, kDegree, block.data(), columns);
  // The corner: D - CᵀY, and r_bottom - Cᵀz beside it.
  // The corner is dense: its lower band is as wide as itself.
  std::vector<Real> corner(kDegree * kDegree);
  std::vector<Real> last(static_cast<std::size_t>(kDegree) * dimension_);
  for (int a = 0; a < kDegree; ++a) {
    for (int b = 0; b <= a; ++b) {
      Real value = Entry(m + a, m + b);
      for (int r : couplingRows) {
        value -= Entry(r, m + a) * block[static_cast<std::size_t>(r) * columns + b];
      }
      corner[a * kDegree + (a - b)] = value;
    }
    for (int j = 0; j < dimension_; ++j) {
      Real value = rightSide_[static_cast<std::size_t>(m + a) * dimension_ + j];
      for (int r : couplingRows) {
        value -= Entry(r, m + a) * block[static_cast<std::size_t>(r) * columns + kDegree + j];
      }
      last[static_cast<std::size_t>(a) * dimension_ + j] = value;
    }
  }
  const bool cornerSolved =
      BandCholesky<Real>::FactorAndSolve(corner, kDegree, kDegree - 1, last.data(), dimension_);
  controlCoordinates_.assign(static_cast<std::size_t>(n) * dimension_, Real(0));
  for (int r = 0; r < m; ++r) {
    const Real* row = block.data() + static_cast<std::size_t>(r) * columns;
    for (int j = 0; j < dimension_; ++j) {
      Real value = row[kDegree + j];
      for (int b = 0; b < kDegree; ++b)
        value -= row[b] * last[static_cast<std::size_t>(b) * dimension_ + j];
      controlCoordinates_[static_cast<std::size_t>(r) * dimension_ + j] = value;
    }
  }
  std::copy(last.begin(), last.end(),
            controlCoordinates_.begin() + static_cast<std::ptrdiff_t>(m) * dimension_);
  return bandSolved && cornerSolved;
}

template <typename Real>
BSplineCurve<Real> PeriodicCurveFit<Real>::ClampedCurve() const {
  const int n = controlPointCount_;
  const int d = dimension_;
  std::vector<Real> q;
  if (n > 0) {
    q.reserve(static_cast<std::size_t>(n + kDegree) * d);
    const Real* c = controlCoordinates_.data();
    const auto push = [&](auto coordinate) {
      for (int j = 0; j < d; ++j) q.push_back(coordinate(j));
    };
    const Real sixth = Real(1) / Real(6);
    const Real third = Real(1) / Real(3);
    push([&](int j) { return (c[j] + 4 * c[d + j] + c[2 * d + j]) * sixth; });
    push([&](int j) { return (2 * c[d + j] + c[2 * d + j]) * third; });
    q.insert(q.end(), c + 2 * d, c + static_cast<std::size_t>(n) * d);
    push([&](int j) { return c[j]; });
    push([&](int j) { return (c[j] + 2 * c[d + j]) * third; });
    push([&](int j) { return (c[j] + 4 * c[d + j] + c[2 * d + j]) * sixth; });
  }
  return BSplineCurve<Real>(
      d, std::move(q), BSplineCurve<Real>::ClampedUniformSetup(n > 0 ? n + kDegree : 0, kDegree));
}

}  // namespace num

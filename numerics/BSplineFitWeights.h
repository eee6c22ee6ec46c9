// The weights of a least-squares B-spline fit to samples at evenly spaced parameters: the matrix
// W = (AᵀA)⁻¹Aᵀ, A the samples' basis values, so that the fit's control points are W times the
// samples. W depends on the basis and the sample count alone, not on the samples: the adaptive
// fit keeps it for each count it tries and reuses it for every curve, and BSplineCurveFit
// combines it with the samples.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "numerics/BandMatrix.h"
#include "numerics/BasisFunction.h"
#include "numerics/RowMajorArray.h"

namespace num {

template <typename Real>
class BSplineFitWeights {
 public:
  /// The weights of `basis` (a clamped basis of any degree; evaluated here, so its scratch
  /// table changes) for `sampleCount` samples, sample k at parameter k · (1 / (sampleCount - 1)),
  /// computed in the order of operations of tests/support/LiteralBSplineCurveFit.h. A basis that
  /// is not created adds nothing, and its solve fails. Requires sampleCount >= 1.
  BSplineFitWeights(BasisFunction<Real>& basis, int sampleCount);

  /// Whether the normal equations were solved; when not, the weights are those of the partly
  /// solved system.
  bool Solved() const { return solved_; }
  int SampleCount() const { return sampleCount_; }
  int ControlPointCount() const { return controlPointCount_; }
  /// Row r: the weights of the samples in control point r, one per sample.
  const RowMajorArray<Real>& Weights() const { return block_; }

 private:
  void AccumulateSamples(BasisFunction<Real>& basis, std::vector<Real>& normalRows,
                         std::vector<int>& usedColumns);
  static void AddProducts(const Real* values, int width, Real* normalRows);
  static void AddCubicProducts(Real v0, Real v1, Real v2, Real v3, Real* normalRows);
  bool SolveNormalEquations(const std::vector<Real>& normalRows,
                            const std::vector<int>& usedColumns);

  int sampleCount_;
  int controlPointCount_;
  int degree_;
  RowMajorArray<Real> block_;
  bool solved_ = false;
};

// ---------------------------------------------------------------------------------------------
// The weights come bit for bit as the reference fit's: each sample's basis is evaluated once,
// every matrix entry sums its products over the samples in increasing order, and the solves stay
// inside the band.

template <typename Real>
BSplineFitWeights<Real>::BSplineFitWeights(BasisFunction<Real>& basis, int sampleCount)
    : sampleCount_(sampleCount),
      controlPointCount_(basis.ControlPointCount()),
      degree_(basis.Degree()),
      block_(static_cast<std::size_t>(sampleCount),
             static_cast<std::size_t>(std::max(basis.ControlPointCount(), 0))) {
  std::vector<Real> normalRows;
  std::vector<int> usedColumns;
  AccumulateSamples(basis, normalRows, usedColumns);
  solved_ = SolveNormalEquations(normalRows, usedColumns);
}

// One pass over the samples, each basis evaluated once. normalRows (controls × width, width =
// degree + 1) accumulates entry (r, c) of AᵀA at r · width + (c - r) for r <= c <= r + degree: a
// sample adds to it exactly when both r and c lie in its span, in increasing sample order. The
// block receives Aᵀ (rows: controls, columns: samples), and usedColumns[r] the column after the
// last non-zero of rows 0 to r.
template <typename Real>
void BSplineFitWeights<Real>::AccumulateSamples(BasisFunction<Real>& basis,
                                                std::vector<Real>& normalRows,
                                                std::vector<int>& usedColumns) {
  const int n = controlPointCount_;
  const int width = std::max(degree_ + 1, 1);
  normalRows.assign(static_cast<std::size_t>(std::max(n, 0)) * width, Real(0));
  usedColumns.assign(static_cast<std::size_t>(std::max(n, 0)), 0);
  std::vector<Real> values(static_cast<std::size_t>(width));
  const Real tStep = 1 / Real(sampleCount_ - 1);
  for (int k = 0; k < sampleCount_; ++k) {
    int imin = -1;
    int imax = -1;
    basis.EvaluateBasis(k * tStep, imin, imax);
    if (imin < 0) continue;
    Real* rows = normalRows.data() + static_cast<std::size_t>(imin) * width;
    if (degree_ == 3) {
      const Real v0 = basis.GetValue(imin), v1 = basis.GetValue(imin + 1);
      const Real v2 = basis.GetValue(imin + 2), v3 = basis.GetValue(imin + 3);
      AddCubicProducts(v0, v1, v2, v3, rows);
      values[0] = v0, values[1] = v1, values[2] = v2, values[3] = v3;
    } else {
      for (int a = 0; a < width; ++a) values[a] = basis.GetValue(imin + a);
      AddProducts(values.data(), width, rows);
    }
    Real* column = block_.Data() + k;
    for (int a = 0; a < width; ++a) {
      column[static_cast<std::size_t>(imin + a) * sampleCount_] = values[a];
      usedColumns[imin + a] = k + 1;
    }
  }
  for (int r = 1; r < n; ++r) usedColumns[r] = std::max(usedColumns[r], usedColumns[r - 1]);
}

// Adds values[b] · values[a] to entry (a, b), b >= a, of the span's rows (width per row).
template <typename Real>
void BSplineFitWeights<Real>::AddProducts(const Real* values, int width, Real* normalRows) {
  for (int a = 0; a < width; ++a) {
    Real* entries = normalRows + static_cast<std::size_t>(a) * width;
    for (int b = a; b < width; ++b) entries[b - a] = entries[b - a] + values[b] * values[a];
  }
}

// AddProducts for the cubic fits this system makes, written out: the general loops, vectorised
// at this tiny size, cost more than the products themselves.
template <typename Real>
void BSplineFitWeights<Real>::AddCubicProducts(Real v0, Real v1, Real v2, Real v3,
                                               Real* normalRows) {
  Real* e = normalRows;
  e[0] = e[0] + v0 * v0;
  e[1] = e[1] + v1 * v0;
  e[2] = e[2] + v2 * v0;
  e[3] = e[3] + v3 * v0;
  e[4] = e[4] + v1 * v1;
  e[5] = e[5] + v2 * v1;
  e[6] = e[6] + v3 * v1;
  e[8] = e[8] + v2 * v2;
  e[9] = e[9] + v3 * v2;
  e[12] = e[12] + v3 * v3;
}

// Solves AᵀA · X = Aᵀ in a band matrix, leaving (AᵀA)⁻¹Aᵀ in the block.
template <typename Real>
bool BSplineFitWeights<Real>::SolveNormalEquations(const std::vector<Real>& normalRows,
                                                   const std::vector<int>& usedColumns) {
  const int n = controlPointCount_;
  const int width = std::max(degree_ + 1, 1);
  const int bands = n > degree_ + 1 ? degree_ + 1 : degree_;
  BandMatrix<Real> matrix(n, bands, bands);
  for (int r = 0; r < n; ++r) {
    const int cmax = std::min(r + degree_, n - 1);
    for (int c = r; c <= cmax; ++c) {
      const Real value = normalRows[static_cast<std::size_t>(r) * width + (c - r)];
      matrix(r, c) = value;
      matrix(c, r) = value;
    }
  }
  return matrix.DecomposeCholesky() &&
         matrix.ForwardSubstitute(block_.Data(), sampleCount_, usedColumns.data()) &&
         matrix.BackSubstitute(block_.Data(), sampleCount_);
}

}  // namespace num

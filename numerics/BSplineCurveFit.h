// Least-squares fit of a B-spline curve with a clamped uniform knot vector on [0, 1] to sample
// points at evenly spaced parameters, ends pinned to the first and last sample, by a block solve
// of the normal equations. The adaptive fit of the curve library builds one per attempt up to 128
// controls, evaluates it and hands its control points and knots to the host.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "numerics/BandMatrix.h"
#include "numerics/BasisFunction.h"
#include "numerics/BasisSetup.h"
#include "numerics/DiagnosticReport.h"
#include "numerics/RowMajorArray.h"

namespace num {

template <typename Real>
class BSplineCurveFit : public BSplineCurve<Real> {
 public:
  /// Fits `controlPointCount` control points of the given degree to `sampleCount` points of
  /// `dimension` coordinates each, read from `sampleCoordinates` (sample k, coordinate j at
  /// k · dimension + j; read only during construction). Sample k gets the parameter
  /// k · (1 / (sampleCount - 1)). Broken preconditions are assertion reports: "Invalid
  /// dimension.", "Invalid degree.", "Invalid sample data.", "Invalid number of controls.".
  /// Where going on could not be safe (dimension < 1, a null sample pointer, degree >
  /// controlPointCount, no sample or no control point at all) the fit stops with zero control
  /// points; otherwise it goes on with the ends pinned to the first and last sample, and a failed
  /// solve is reported as "Failed to solve linear system." with the control points from the
  /// partly solved system.
  BSplineCurveFit(int dimension, int sampleCount, const Real* sampleCoordinates, int degree,
                  int controlPointCount);

 private:
  using BSplineCurve<Real>::dimension_;
  using BSplineCurve<Real>::degree_;
  using BSplineCurve<Real>::controlPointCount_;
  using BSplineCurve<Real>::controlCoordinates_;
  using BSplineCurve<Real>::basis_;

  static void ReportAssertionAt(int line, const char* message) {
    DiagnosticReport(__FILE__, "num::BSplineCurveFit<double>::BSplineCurveFit", line, message)
        .ReportAssertion();
  }
  bool PreconditionsAllowFit();
  void AccumulateSamples(std::vector<Real>& normalRows, std::vector<int>& usedColumns,
                         RowMajorArray<Real>& block);
  static void AddProducts(const Real* values, int width, Real* normalRows);
  static void AddCubicProducts(Real v0, Real v1, Real v2, Real v3, Real* normalRows);
  bool SolveNormalEquations(const std::vector<Real>& normalRows,
                            const std::vector<int>& usedColumns, RowMajorArray<Real>& block) const;
  void CombineSamples(const RowMajorArray<Real>& block);
  template <int Rows>
  void CombineControlsOf3(const RowMajorArray<Real>& block, int r);
  void PinEnds();

  int sampleCount_;
  const Real* sampleCoordinates_;
};

// ---------------------------------------------------------------------------------------------
// The construction gives bit for bit the control points of the reference fit in
// tests/support/LiteralBSplineCurveFit.h (basis evaluated afresh for every matrix entry,
// substitutions over all rows), only faster: each
// sample's basis is evaluated once, every matrix entry still sums its products over the samples
// in increasing order, and the solves stay inside the band.

template <typename Real>
BSplineCurveFit<Real>::BSplineCurveFit(int dimension, int sampleCount,
                                       const Real* sampleCoordinates, int degree,
                                       int controlPointCount)
    : BSplineCurve<Real>(dimension, degree, controlPointCount),
      sampleCount_(sampleCount),
      sampleCoordinates_(sampleCoordinates) {
  if (!PreconditionsAllowFit()) {
    controlPointCount_ = 0;
    return;
  }
  controlCoordinates_.assign(static_cast<std::size_t>(dimension_) * controlPointCount_, Real(0));
  basis_.Create(BSplineCurve<Real>::ClampedUniformSetup(controlPointCount_, degree_));

  std::vector<Real> normalRows;
  std::vector<int> usedColumns;
  RowMajorArray<Real> block(static_cast<std::size_t>(sampleCount_),
                            static_cast<std::size_t>(controlPointCount_));
  AccumulateSamples(normalRows, usedColumns, block);
  if (!SolveNormalEquations(normalRows, usedColumns, block)) {
    ReportAssertionAt(__LINE__, "Failed to solve linear system.");
  }
  CombineSamples(block);
  PinEnds();
}

template <typename Real>
bool BSplineCurveFit<Real>::PreconditionsAllowFit() {
  if (dimension_ < 1) ReportAssertionAt(__LINE__, "Invalid dimension.");
  if (degree_ < 1 || degree_ >= controlPointCount_) ReportAssertionAt(__LINE__, "Invalid degree.");
  if (sampleCoordinates_ == nullptr) ReportAssertionAt(__LINE__, "Invalid sample data.");
  if (controlPointCount_ > sampleCount_) ReportAssertionAt(__LINE__, "Invalid number of controls.");
  // Past these the arrays would be sized negatively, the knot list overrun, or absent samples
  // read when the ends are pinned.
  return dimension_ >= 1 && sampleCoordinates_ != nullptr && degree_ <= controlPointCount_ &&
         controlPointCount_ >= 1 && sampleCount_ >= 1;
}

// One pass over the samples, each basis evaluated once. normalRows (controls × width, width =
// degree + 1) accumulates entry (r, c) of AᵀA at r · width + (c - r) for r <= c <= r + degree: a
// sample adds to it exactly when both r and c lie in its span, in increasing sample order. The
// block receives Aᵀ (rows: controls, columns: samples), and usedColumns[r] the column after the
// last non-zero of rows 0 to r. A basis that is not created adds nothing.
template <typename Real>
void BSplineCurveFit<Real>::AccumulateSamples(std::vector<Real>& normalRows,
                                              std::vector<int>& usedColumns,
                                              RowMajorArray<Real>& block) {
  const int n = controlPointCount_;
  const int width = std::max(degree_ + 1, 1);
  normalRows.assign(static_cast<std::size_t>(n) * width, Real(0));
  usedColumns.assign(static_cast<std::size_t>(n), 0);
  std::vector<Real> values(static_cast<std::size_t>(width));
  const Real tStep = 1 / Real(sampleCount_ - 1);
  for (int k = 0; k < sampleCount_; ++k) {
    int imin = -1;
    int imax = -1;
    basis_.EvaluateBasis(k * tStep, imin, imax);
    if (imin < 0) continue;
    Real* rows = normalRows.data() + static_cast<std::size_t>(imin) * width;
    if (degree_ == 3) {
      const Real v0 = basis_.GetValue(imin), v1 = basis_.GetValue(imin + 1);
      const Real v2 = basis_.GetValue(imin + 2), v3 = basis_.GetValue(imin + 3);
      AddCubicProducts(v0, v1, v2, v3, rows);
      values[0] = v0, values[1] = v1, values[2] = v2, values[3] = v3;
    } else {
      for (int a = 0; a < width; ++a) values[a] = basis_.GetValue(imin + a);
      AddProducts(values.data(), width, rows);
    }
    Real* column = block.Data() + k;
    for (int a = 0; a < width; ++a) {
      column[static_cast<std::size_t>(imin + a) * sampleCount_] = values[a];
      usedColumns[imin + a] = k + 1;
    }
  }
  for (int r = 1; r < n; ++r) usedColumns[r] = std::max(usedColumns[r], usedColumns[r - 1]);
}

// Adds values[b] · values[a] to entry (a, b), b >= a, of the span's rows (width per row).
template <typename Real>
void BSplineCurveFit<Real>::AddProducts(const Real* values, int width, Real* normalRows) {
  for (int a = 0; a < width; ++a) {
    Real* entries = normalRows + static_cast<std::size_t>(a) * width;
    for (int b = a; b < width; ++b) entries[b - a] = entries[b - a] + values[b] * values[a];
  }
}

// AddProducts for the cubic fits this system makes, written out: the general loops, vectorised
// at this tiny size, cost more than the products themselves.
template <typename Real>
void BSplineCurveFit<Real>::AddCubicProducts(Real v0, Real v1, Real v2, Real v3, Real* normalRows) {
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
bool BSplineCurveFit<Real>::SolveNormalEquations(const std::vector<Real>& normalRows,
                                                 const std::vector<int>& usedColumns,
                                                 RowMajorArray<Real>& block) const {
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
         matrix.ForwardSubstitute(block.Data(), sampleCount_, usedColumns.data()) &&
         matrix.BackSubstitute(block.Data(), sampleCount_);
}

template <typename Real>
void BSplineCurveFit<Real>::CombineSamples(const RowMajorArray<Real>& block) {
  int r = 0;
  if (dimension_ == 3) {
    for (; r + 3 < controlPointCount_; r += 4) CombineControlsOf3<4>(block, r);
  }
  for (; r < controlPointCount_; ++r) {
    Real* control = controlCoordinates_.data() + static_cast<std::size_t>(r) * dimension_;
    const Real* weights = block.Row(static_cast<std::size_t>(r));
    for (int k = 0; k < sampleCount_; ++k) {
      const Real* sample = sampleCoordinates_ + static_cast<std::size_t>(k) * dimension_;
      for (int j = 0; j < dimension_; ++j) control[j] = weights[k] * sample[j] + control[j];
    }
  }
}

// Controls r to r + Rows - 1 in three dimensions: 3 · Rows running sums side by side, so that
// the additions need not wait for one another (and pair up in vector registers); each sum still
// takes its samples in increasing order.
template <typename Real>
template <int Rows>
void BSplineCurveFit<Real>::CombineControlsOf3(const RowMajorArray<Real>& block, int r) {
  const Real* weights[Rows];
  Real sums[3][Rows];
  Real* controls = controlCoordinates_.data() + static_cast<std::size_t>(r) * 3;
  for (int row = 0; row < Rows; ++row) {
    weights[row] = block.Row(static_cast<std::size_t>(r + row));
    for (int j = 0; j < 3; ++j) sums[j][row] = controls[3 * row + j];
  }
  for (int k = 0; k < sampleCount_; ++k) {
    const Real* sample = sampleCoordinates_ + static_cast<std::size_t>(k) * 3;
    Real w[Rows];
    for (int row = 0; row < Rows; ++row) w[row] = weights[row][k];
    for (int j = 0; j < 3; ++j) {
      for (int row = 0; row < Rows; ++row) sums[j][row] = w[row] * sample[j] + sums[j][row];
    }
  }
  for (int row = 0; row < Rows; ++row) {
    for (int j = 0; j < 3; ++j) controls[3 * row + j] = sums[j][row];
  }
}

template <typename Real>
void BSplineCurveFit<Real>::PinEnds() {
  const Real* firstSample = sampleCoordinates_;
  const Real* lastSample =
      sampleCoordinates_ + static_cast<std::size_t>(sampleCount_ - 1) * dimension_;
  Real* lastControl =
      controlCoordinates_.data() + static_cast<std::size_t>(controlPointCount_ - 1) * dimension_;
  std::copy(firstSample, firstSample + dimension_, controlCoordinates_.data());
  std::copy(lastSample, lastSample + dimension_, lastControl);
}

}  // namespace num

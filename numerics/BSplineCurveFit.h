// Least-squares fit of a B-spline curve with a clamped uniform knot vector on [0, 1] to sample
// points at evenly spaced parameters, ends pinned to the first and last sample: the fit's weights
// (BSplineFitWeights, a block solve of the normal equations) times the samples. The adaptive fit
// of the curve library builds one per attempt up to 128 controls, with weights it keeps for the
// count, evaluates it and hands its control points and knots to the host.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "numerics/BSplineFitWeights.h"
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

  /// The same fit with `weights` made beforehand for this sample count and the clamped uniform
  /// basis of this degree and control count (BSplineFitWeights of a basis made from
  /// ClampedUniformSetup): the same control points and reports, without solving again. Weights
  /// of another basis or sample count give another curve.
  BSplineCurveFit(int dimension, int sampleCount, const Real* sampleCoordinates, int degree,
                  int controlPointCount, const BSplineFitWeights<Real>& weights);

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
  void Fit(const BSplineFitWeights<Real>& weights);
  void CombineSamples(const RowMajorArray<Real>& block);
  template <int Rows>
  void CombineControlsOf3(const RowMajorArray<Real>& block, int r);
  void PinEnds();

  int sampleCount_;
  const Real* sampleCoordinates_;
};

// ---------------------------------------------------------------------------------------------
// The construction gives bit for bit the control points of the reference fit in
// tests/support/LiteralBSplineCurveFit.h: the weights are its (BSplineFitWeights), and every
// control point still sums its products over the samples in increasing order.

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
  basis_.Create(BSplineCurve<Real>::ClampedUniformSetup(controlPointCount_, degree_));
  Fit(BSplineFitWeights<Real>(basis_, sampleCount_));
}

template <typename Real>
BSplineCurveFit<Real>::BSplineCurveFit(int dimension, int sampleCount,
                                       const Real* sampleCoordinates, int degree,
                                       int controlPointCount,
                                       const BSplineFitWeights<Real>& weights)
    : BSplineCurve<Real>(dimension, degree, controlPointCount),
      sampleCount_(sampleCount),
      sampleCoordinates_(sampleCoordinates) {
  if (!PreconditionsAllowFit()) {
    controlPointCount_ = 0;
    return;
  }
  basis_.Create(BSplineCurve<Real>::ClampedUniformSetup(controlPointCount_, degree_));
  Fit(weights);
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

template <typename Real>
void BSplineCurveFit<Real>::Fit(const BSplineFitWeights<Real>& weights) {
  controlCoordinates_.assign(static_cast<std::size_t>(dimension_) * controlPointCount_, Real(0));
  if (!weights.Solved()) ReportAssertionAt(__LINE__, "Failed to solve linear system.");
  CombineSamples(weights.Weights());
  PinEnds();
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

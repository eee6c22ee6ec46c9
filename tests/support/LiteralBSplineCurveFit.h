// The least-squares B-spline fit written step by step in its plain, slow form: the basis found by
// a linear scan and evaluated afresh for every matrix entry, the band matrix's copy step and
// substitutions swept over all rows. Tests compare num::BSplineCurveFit (and the adaptive fit
// built on it) against it bit for bit. Valid arguments only: it checks and reports nothing.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "numerics/BasisFunction.h"
#include "numerics/BasisSetup.h"

namespace num_testing {

class LiteralBSplineCurveFit {
 public:
  /// Same arguments and sample layout as num::BSplineCurveFit<double>.
  LiteralBSplineCurveFit(int dimension, int sampleCount, const double* sampleCoordinates,
                         int degree, int controlPointCount);

  int ControlPointCount() const { return controlPointCount_; }
  const std::vector<double>& ControlCoordinates() const { return controlCoordinates_; }
  /// The basis as the fitter creates it (for the knot vector); evaluation here is the literal one.
  const num::BasisFunction<double>& Basis() const { return basis_; }

  /// The curve point at t, summed as the fitter does, with the literal basis evaluation.
  void EvaluatePoint(double t, double* position);

 private:
  // The band matrix answering a scratch zero outside its bands, as the plain method reads it.
  class BandMatrix {
   public:
    BandMatrix(int size, int bands);
    double& operator()(int r, int c);
    bool DecomposeCholesky();
    bool ForwardSubstitute(double* data, int columnCount);
    bool BackSubstitute(double* data, int columnCount);

   private:
    // Row r of the block becomes (row r - Σ entry (r, c) · row c, c = cFirst ... cLast) / entry
    // (r, r), term by term; false, with the row untouched, when entry (r, r) is not positive.
    bool EliminateRow(double* data, int columnCount, int r, int cFirst, int cLast);

    int size_;
    int bands_;
    std::vector<double> entries_;  // size × (2 · bands + 1), entry (r, c) at column c - r + bands
    double outsideEntry_ = 0;
  };

  int GetIndex(double& t) const;
  void EvaluateBasis(double t, int& imin, int& imax);
  double GetValue(int i) const { return table_[static_cast<std::size_t>(degree_) * columns_ + i]; }
  double NormalMatrixEntry(int r, int c, double tStep);

  int dimension_;
  int sampleCount_;
  const double* samples_;
  int degree_;
  int controlPointCount_;
  std::vector<double> controlCoordinates_;
  num::BasisFunction<double> basis_;
  std::vector<std::pair<double, int>> spanKeys_;
  std::size_t columns_ = 0;
  std::vector<double> table_;
};

// ---------------------------------------------------------------------------------------------

inline LiteralBSplineCurveFit::LiteralBSplineCurveFit(int dimension, int sampleCount,
                                                      const double* sampleCoordinates, int degree,
                                                      int controlPointCount)
    : dimension_(dimension),
      sampleCount_(sampleCount),
      samples_(sampleCoordinates),
      degree_(degree),
      controlPointCount_(controlPointCount),
      controlCoordinates_(static_cast<std::size_t>(dimension) * controlPointCount, 0.0) {
  const int n = controlPointCount;
  const int last = n - degree;
  const double step = 1 / double(last);
  num::BasisSetup<double> setup;
  setup.controlPointCount = n;
  setup.degree = degree;
  setup.uniform = true;
  setup.distinctKnotCount = last + 1;
  setup.distinctKnots.push_back({0.0, degree + 1});
  for (int k = 1; k < last; ++k) setup.distinctKnots.push_back({k * step, 1});
  setup.distinctKnots.push_back({1.0, degree + 1});
  basis_.Create(setup);
  int sum = 0;
  for (const num::DistinctKnot<double>& knot : setup.distinctKnots) {
    spanKeys_.emplace_back(knot.t, sum - 1);
    sum += knot.multiplicity;
  }
  columns_ = static_cast<std::size_t>(n + degree);
  table_.assign(columns_ * (degree + 1), 0.0);

  const double tStep = 1 / double(sampleCount - 1);
  const int bands = n > degree + 1 ? degree + 1 : degree;
  BandMatrix matrix(n, bands);
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < r; ++c) matrix(r, c) = matrix(c, r);
    for (int c = r; c <= std::min(r + degree, n - 1); ++c) {
      matrix(r, c) = NormalMatrixEntry(r, c, tStep);
    }
  }
  std::vector<double> block(static_cast<std::size_t>(n) * sampleCount, 0.0);
  for (int r = 0; r < n; ++r) {
    for (int k = 0; k < sampleCount; ++k) {
      int imin = 0;
      int imax = 0;
      EvaluateBasis(k * tStep, imin, imax);
      if (imin <= r && r <= imax)
        block[static_cast<std::size_t>(r) * sampleCount + k] = GetValue(r);
    }
  }
  // The fitter carries on after a failed solve; so does this.
  (void)(matrix.DecomposeCholesky() && matrix.ForwardSubstitute(block.data(), sampleCount) &&
         matrix.BackSubstitute(block.data(), sampleCount));
  for (int r = 0; r < n; ++r) {
    for (int k = 0; k < sampleCount; ++k) {
      for (int j = 0; j < dimension; ++j) {
        double& control = controlCoordinates_[static_cast<std::size_t>(r) * dimension + j];
        control = block[static_cast<std::size_t>(r) * sampleCount + k] *
                      samples_[static_cast<std::size_t>(k) * dimension + j] +
                  control;
      }
    }
  }
  for (int j = 0; j < dimension; ++j) {
    controlCoordinates_[j] = samples_[j];
    controlCoordinates_[static_cast<std::size_t>(n - 1) * dimension + j] =
        samples_[static_cast<std::size_t>(sampleCount - 1) * dimension + j];
  }
}

inline double LiteralBSplineCurveFit::NormalMatrixEntry(int r, int c, double tStep) {
  double value = 0;
  for (int k = 0; k < sampleCount_; ++k) {
    int imin = 0;
    int imax = 0;
    EvaluateBasis(k * tStep, imin, imax);
    if (imin <= r && r <= imax && imin <= c && c <= imax) {
      value = value + GetValue(c) * GetValue(r);
    }
  }
  return value;
}

inline int LiteralBSplineCurveFit::GetIndex(double& t) const {
  const std::vector<double>& knots = basis_.KnotVector();
  const double domainMin = knots[degree_];
  const double domainMax = knots[controlPointCount_];
  if (t <= domainMin) {
    t = domainMin;
    return degree_;
  }
  if (t >= domainMax) {
    t = domainMax;
    return controlPointCount_ - 1;
  }
  for (const std::pair<double, int>& key : spanKeys_) {
    if (key.first > t) return key.second;
  }
  t = domainMin;
  return degree_;
}

inline void LiteralBSplineCurveFit::EvaluateBasis(double t, int& imin, int& imax) {
  const int i = GetIndex(t);
  const double* knots = basis_.KnotVector().data();
  auto b = [this](int row, int column) -> double& { return table_[row * columns_ + column]; };
  auto inverse = [](double d) { return d > 0 ? 1 / d : 0.0; };
  b(0, i) = 1;
  const double left = t - knots[i];
  const double right = knots[i + 1] - t;
  for (int j = 1; j <= degree_; ++j) {
    const double inv0 = inverse(knots[i + j] - knots[i]);
    const double inv1 = inverse(knots[i + 1] - knots[i - j + 1]);
    b(j, i) = left * b(j - 1, i) * inv0;
    b(j, i - j) = right * b(j - 1, i - j + 1) * inv1;
  }
  for (int j = 2; j <= degree_; ++j) {
    for (int k = i - j + 1; k <= i - 1; ++k) {
      const double l = t - knots[k];
      const double r = knots[k + j + 1] - t;
      const double inv0 = inverse(knots[k + j] - knots[k]);
      const double inv1 = inverse(knots[k + j + 1] - knots[k + 1]);
      b(j, k) = l * b(j - 1, k) * inv0 + r * b(j - 1, k + 1) * inv1;
    }
  }
  imin = i - degree_;
  imax = i;
}

inline void LiteralBSplineCurveFit::EvaluatePoint(double t, double* position) {
  int imin = 0;
  int imax = 0;
  EvaluateBasis(t, imin, imax);
  const double* controls = controlCoordinates_.data();
  for (int j = 0; j < dimension_; ++j) {
    position[j] = GetValue(imin) * controls[static_cast<std::size_t>(imin) * dimension_ + j];
  }
  for (int i = imin + 1; i <= imax; ++i) {
    for (int j = 0; j < dimension_; ++j) {
      position[j] =
          GetValue(i) * controls[static_cast<std::size_t>(i) * dimension_ + j] + position[j];
    }
  }
}

inline LiteralBSplineCurveFit::BandMatrix::BandMatrix(int size, int bands)
    : size_(size), bands_(bands), entries_(static_cast<std::size_t>(size) * (2 * bands + 1), 0.0) {}

inline double& LiteralBSplineCurveFit::BandMatrix::operator()(int r, int c) {
  const int offset = c - r;
  if (r < 0 || c < 0 || r >= size_ || c >= size_ || offset > bands_ || offset < -bands_) {
    outsideEntry_ = 0;
    return outsideEntry_;
  }
  return entries_[static_cast<std::size_t>(r) * (2 * bands_ + 1) + (offset + bands_)];
}

inline bool LiteralBSplineCurveFit::BandMatrix::DecomposeCholesky() {
  BandMatrix& a = *this;
  const int last = size_ - 1;
  for (int i = 0; i < size_; ++i) {
    for (int j = std::max(0, i - bands_); j <= i - 1; ++j) {
      const int kmax = std::min(last, j + bands_);
      for (int k = i; k <= kmax; ++k) a(k, i) = a(k, i) - a(k, j) * a(i, j);
    }
    for (int k = 0; k <= i - 1; ++k) a(k, i) = a(i, k);
    const double diag = a(i, i);
    if (diag <= 0) return false;
    const double s = 1 / std::sqrt(diag);
    for (int k = i; k <= std::min(last, i + bands_); ++k) a(k, i) = s * a(k, i);
  }
  return true;
}

inline bool LiteralBSplineCurveFit::BandMatrix::ForwardSubstitute(double* data, int columnCount) {
  for (int r = 0; r < size_; ++r) {
    if (!EliminateRow(data, columnCount, r, 0, r - 1)) return false;
  }
  return true;
}

inline bool LiteralBSplineCurveFit::BandMatrix::BackSubstitute(double* data, int columnCount) {
  for (int r = size_ - 1; r >= 0; --r) {
    if (!EliminateRow(data, columnCount, r, r + 1, size_ - 1)) return false;
  }
  return true;
}

inline bool LiteralBSplineCurveFit::BandMatrix::EliminateRow(double* data, int columnCount, int r,
                                                             int cFirst, int cLast) {
  const double d = (*this)(r, r);
  if (!(d > 0)) return false;
  for (int c = cFirst; c <= cLast; ++c) {
    const double e = (*this)(r, c);
    for (int q = 0; q < columnCount; ++q) {
      data[r * columnCount + q] = data[r * columnCount + q] - e * data[c * columnCount + q];
    }
  }
  const double inv = 1 / d;
  for (int q = 0; q < columnCount; ++q) data[r * columnCount + q] = inv * data[r * columnCount + q];
  return true;
}

}  // namespace num_testing

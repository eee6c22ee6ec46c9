// A square matrix whose non-zero entries lie on the diagonal and a fixed number of sub- and
// super-diagonals, with an in-place Cholesky factorisation and substitutions on a whole block of
// right-hand sides. The block-solved curve fitter solves its normal equations with it, in the
// order of operations of the reference fit (tests/support/LiteralBSplineCurveFit.h), which its
// fits must reproduce bit for bit; every other solve uses BandCholesky. Failures are false results;
// nothing is reported.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace num {

template <typename Real>
class BandMatrix {
 public:
  /// A zero matrix of size × size with the given numbers of sub- and super-diagonals. A size <= 0
  /// or a band count outside [0, size) gives an empty matrix (Size() is 0), without a report.
  BandMatrix(int size, int lowerBandCount, int upperBandCount);

  int Size() const { return size_; }
  int LowerBandCount() const { return static_cast<int>(lowerBands_.size()); }
  int UpperBandCount() const { return static_cast<int>(upperBands_.size()); }

  /// The stored entry (r, c), writable. Any position outside the stored bands (including indices
  /// outside the matrix) yields a scratch value set to 0: reads give 0, writes are lost.
  Real& operator()(int r, int c);

  /// Factors the matrix in place into L · Lᵀ: L in the lower triangle and the diagonal, Lᵀ in the
  /// upper triangle. Only the lower triangle and the diagonal are read. Returns false for an
  /// empty matrix, unequal band counts, or at the first pivot that is zero or negative (the rows
  /// before it stay factored).
  bool DecomposeCholesky();

  /// Replaces the block `data` (Size() rows × columnCount values, row after row) by L⁻¹ · data,
  /// using the lower triangle. Returns false at the first diagonal entry that is not greater than
  /// 0; the rows before it keep their new values. A caller whose block ends in zeros may pass
  /// `usedColumns` (Size() counts, never decreasing): row r holds +0 from column usedColumns[r]
  /// on, and those zeros, which the substitution would leave as they are, are not visited.
  bool ForwardSubstitute(Real* data, int columnCount, const int* usedColumns = nullptr);

  /// Replaces the block `data` by U⁻¹ · data, U being the upper triangle with the diagonal.
  /// Failure as for ForwardSubstitute.
  bool BackSubstitute(Real* data, int columnCount);

 private:
  bool InsideBand(int r, int c) const;
  static bool HasPositiveDiagonal(Real d) { return d > 0; }
  // data[r][q] = inv(d) · (data[r][q] - Σ e · data[c][q]) for q < columnEnd, over the stored
  // band entries e = (r, c) in increasing c, rounding as a term-by-term sweep does.
  void EliminateRow(Real* data, int columnCount, int columnEnd, int r, int cFirst, int cLast);
  template <int N>
  static void SubtractTerms(Real* target, const Real* const* sources, const Real* factors,
                            int columnEnd, Real scale);

  static constexpr int kTermsPerPass = 4;

  int size_ = 0;
  std::vector<Real> diagonal_;
  // Lower band b holds (c + b + 1, c) at index c; upper band b holds (r, r + b + 1) at index r.
  std::vector<std::vector<Real>> lowerBands_;
  std::vector<std::vector<Real>> upperBands_;
  Real outsideEntry_ = 0;
};

// ---------------------------------------------------------------------------------------------

template <typename Real>
BandMatrix<Real>::BandMatrix(int size, int lowerBandCount, int upperBandCount) {
  if (size <= 0 || lowerBandCount < 0 || lowerBandCount >= size || upperBandCount < 0 ||
      upperBandCount >= size) {
    return;
  }
  size_ = size;
  diagonal_.assign(static_cast<std::size_t>(size), Real(0));
  for (int b = 0; b < lowerBandCount; ++b) {
    lowerBands_.emplace_back(static_cast<std::size_t>(size - 1 - b), Real(0));
  }
  for (int b = 0; b < upperBandCount; ++b) {
    upperBands_.emplace_back(static_cast<std::size_t>(size - 1 - b), Real(0));
  }
}

template <typename Real>
bool BandMatrix<Real>::InsideBand(int r, int c) const {
  if (r < 0 || c < 0 || r >= size_ || c >= size_) return false;
  if (r == c) return true;
  return c > r ? c - r <= UpperBandCount() : r - c <= LowerBandCount();
}

template <typename Real>
Real& BandMatrix<Real>::operator()(int r, int c) {
  if (!InsideBand(r, c)) {
    outsideEntry_ = 0;
    return outsideEntry_;
  }
  if (r == c) return diagonal_[r];
  if (c > r) return upperBands_[c - r - 1][r];
  return lowerBands_[r - c - 1][c];
}

template <typename Real>
bool BandMatrix<Real>::DecomposeCholesky() {
  if (diagonal_.empty() || lowerBands_.size() != upperBands_.size()) return false;
  const int bands = LowerBandCount();
  const int last = size_ - 1;
  BandMatrix& a = *this;
  for (int i = 0; i < size_; ++i) {
    for (int j = std::max(0, i - bands); j < i; ++j) {
      const int kmax = std::min(last, j + bands);
      for (int k = i; k <= kmax; ++k) a(k, i) = a(k, i) - a(k, j) * a(i, j);
    }
    // Mirror row i of L into column i of the upper triangle. Positions further out than the
    // bands would be discarded anyway, so only the band is visited.
    for (int k = std::max(0, i - bands); k < i; ++k) a(k, i) = a(i, k);
    const Real diag = a(i, i);
    if (diag <= 0) return false;  // a pivot that is not a number passes, as in the plain method
    const Real s = 1 / std::sqrt(diag);
    const int kmax = std::min(last, i + bands);
    for (int k = i; k <= kmax; ++k) a(k, i) = s * a(k, i);
  }
  return true;
}

template <typename Real>
void BandMatrix<Real>::EliminateRow(Real* data, int columnCount, int columnEnd, int r, int cFirst,
                                    int cLast) {
  Real* target = data + static_cast<std::size_t>(r) * columnCount;
  const Real inv = 1 / diagonal_[r];
  const Real* sources[kTermsPerPass];
  Real factors[kTermsPerPass];
  // Up to kTermsPerPass terms per pass over the row; the last pass also scales (the others scale
  // by 1, which is exact). Each value still receives its terms in increasing c.
  for (int first = cFirst;; first += kTermsPerPass) {
    const int count = std::max(0, std::min(kTermsPerPass, cLast - first + 1));
    for (int t = 0; t < count; ++t) {
      factors[t] = (*this)(r, first + t);
      sources[t] = data + static_cast<std::size_t>(first + t) * columnCount;
    }
    const bool finalPass = first + kTermsPerPass > cLast;
    const Real scale = finalPass ? inv : Real(1);
    switch (count) {
      case 0:
        SubtractTerms<0>(target, sources, factors, columnEnd, scale);
        break;
      case 1:
        SubtractTerms<1>(target, sources, factors, columnEnd, scale);
        break;
      case 2:
        SubtractTerms<2>(target, sources, factors, columnEnd, scale);
        break;
      case 3:
        SubtractTerms<3>(target, sources, factors, columnEnd, scale);
        break;
      default:
        SubtractTerms<4>(target, sources, factors, columnEnd, scale);
        break;
    }
    if (finalPass) break;
  }
}

template <typename Real>
template <int N>
void BandMatrix<Real>::SubtractTerms(Real* target, const Real* const* sources, const Real* factors,
                                     int columnEnd, Real scale) {
  for (int q = 0; q < columnEnd; ++q) {
    Real x = target[q];
    for (int t = 0; t < N; ++t) x = x - factors[t] * sources[t][q];
    target[q] = scale * x;
  }
}

// The substitutions visit only the stored band. Beyond it the entries are zero, and subtracting
// 0 · y changes nothing as long as y is finite and the target is not a negative zero; a factor
// of a positive definite matrix applied to a finite block meets neither.
template <typename Real>
bool BandMatrix<Real>::ForwardSubstitute(Real* data, int columnCount, const int* usedColumns) {
  for (int r = 0; r < size_; ++r) {
    if (!HasPositiveDiagonal(diagonal_[r])) return false;
    const int columnEnd =
        usedColumns != nullptr ? std::min(usedColumns[r], columnCount) : columnCount;
    EliminateRow(data, columnCount, columnEnd, r, std::max(0, r - LowerBandCount()), r - 1);
  }
  return true;
}

template <typename Real>
bool BandMatrix<Real>::BackSubstitute(Real* data, int columnCount) {
  for (int r = size_ - 1; r >= 0; --r) {
    if (!HasPositiveDiagonal(diagonal_[r])) return false;
    EliminateRow(data, columnCount, columnCount, r, r + 1,
                 std::min(size_ - 1, r + UpperBandCount()));
  }
  return true;
}

}  // namespace num

// Cholesky factorisation of a symmetric positive definite band matrix kept as its lower band
// alone, and the solve of a block of right-hand sides with the factor. The fits of long and
// closed curves solve their normal equations with it: thousands of rows, three sub-diagonals,
// a few right-hand sides; a small dense system is the band as wide as the matrix. (The literal
// fit of up to 128 controls keeps BandMatrix, whose order of operations it must reproduce.)
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace num {

template <typename Real>
class BandCholesky {
 public:
  /// Factors the size × size matrix whose entry (r, r - d), d = 0 ... bands, is
  /// lower[r · (bands + 1) + d] (entries that would lie before column 0 are not read) into L · Lᵀ,
  /// L taking the matrix's place in the same layout. Returns false at the first pivot that is
  /// not positive or not a number; the rows before it stay factored.
  static bool Factor(std::vector<Real>& lower, int size, int bands);

  /// Replaces the block (size rows of `columns` values, row after row) by (L · Lᵀ)⁻¹ · block, L
  /// being a factor made by Factor with the same size and bands.
  static void Solve(const std::vector<Real>& factor, int size, int bands, Real* block, int columns);

  /// Solves matrix · X = block in place for a symmetric positive definite `matrix` given as its
  /// lower band (the layout of Factor, `bands` = size - 1 for a dense one), overwriting it with
  /// the factor; false, with the block untouched, when Factor fails.
  static bool FactorAndSolve(std::vector<Real>& lower, int size, int bands, Real* block,
                             int columns) {
    if (!Factor(lower, size, bands)) return false;
    Solve(lower, size, bands, block, columns);
    return true;
  }
};

// ---------------------------------------------------------------------------------------------

template <typename Real>
bool BandCholesky<Real>::Factor(std::vector<Real>& lower, int size, int bands) {
  const int width = bands + 1;
  const auto at = [&](int r, int c) -> Real& {
    return lower[static_cast<std::size_t>(r) * width + (r - c)];
  };
  for (int i = 0; i < size; ++i) {
    const int first = std::max(0, i - bands);
    for (int j = first; j <= i; ++j) {
      Real sum = at(i, j);
      for (int k = std::max(first, j - bands); k < j; ++k) sum -= at(i, k) * at(j, k);
      if (j < i) {
        at(i, j) = sum / at(j, j);
      } else {
        if (!(sum > 0)) return false;
        at(i, i) = std::sqrt(sum);
      }
    }
  }
  return true;
}

template <typename Real>
void BandCholesky<Real>::Solve(const std::vector<Real>& factor, int size, int bands, Real* block,
                               int columns) {
  const int width = bands + 1;
  const auto at = [&](int r, int c) {
    return factor[static_cast<std::size_t>(r) * width + (r - c)];
  };
  const auto row = [&](int r) { return block + static_cast<std::size_t>(r) * columns; };
  for (int i = 0; i < size; ++i) {
    Real* x = row(i);
    for (int k = std::max(0, i - bands); k < i; ++k) {
      const Real l = at(i, k);
      const Real* y = row(k);
      for (int q = 0; q < columns; ++q) x[q] -= l * y[q];
    }
    const Real d = at(i, i);
    for (int q = 0; q < columns; ++q) x[q] /= d;
  }
  for (int i = size - 1; i >= 0; --i) {
    Real* x = row(i);
    for (int k = i + 1; k <= std::min(size - 1, i + bands); ++k) {
      const Real l = at(k, i);
      const Real* y = row(k);
      for (int q = 0; q < columns; ++q) x[q] -= l * y[q];
    }
    const Real d = at(i, i);
    for (int q = 0; q < columns; ++q) x[q] /= d;
  }
}

}  // namespace num

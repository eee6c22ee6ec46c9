#include "numerics/BandCholesky.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Cholesky = num::BandCholesky<double>;

// [4 2 0; 2 5 2; 0 2 5] = L · Lᵀ with L = [2 0 0; 1 2 0; 0 1 2] (by hand: 2² = 4, 1 · 2 = 2,
// 1² + 2² = 5); with the right side A · (1, 1, 1) = (6, 9, 7) and A · (1, -1, 2) = (2, 1, 8)
// the solve gives both vectors back.
TEST(BandCholesky, FactorsAndSolvesATridiagonalMatrix) {
  // Row r: entry (r, r), then (r, r - 1); row 0's second entry lies before column 0.
  std::vector<double> band = {4, 99, 5, 2, 5, 2};
  ASSERT_TRUE(Cholesky::Factor(band, 3, 1));
  EXPECT_EQ(band, (std::vector<double>{2, 99, 2, 1, 2, 1}));
  std::vector<double> block = {6, 2, 9, 1, 7, 8};
  Cholesky::Solve(band, 3, 1, block.data(), 2);
  const std::vector<double> expected = {1, 1, 1, -1, 1, 2};
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(block[i], expected[i], 1e-15) << i;
}

// With three sub-diagonals: the 5 × 5 matrix of entries 4 on the diagonal and 1 beside it (up to
// three steps away) times x = (1, 2, 3, 4, 5) is b = (4 + 2 + 3 + 4, ...); the solve returns x.
TEST(BandCholesky, SolvesWithThreeSubDiagonals) {
  const int n = 5;
  std::vector<double> band(n * 4);
  std::vector<double> b(n, 0.0);
  for (int r = 0; r < n; ++r) {
    band[r * 4] = 4;
    for (int d = 1; d <= 3; ++d) band[r * 4 + d] = 1;
    for (int c = 0; c < n; ++c) {
      const int gap = r > c ? r - c : c - r;
      b[r] += (gap == 0 ? 4.0 : (gap <= 3 ? 1.0 : 0.0)) * (c + 1);
    }
  }
  ASSERT_TRUE(Cholesky::Factor(band, n, 3));
  Cholesky::Solve(band, n, 3, b.data(), 1);
  for (int r = 0; r < n; ++r) EXPECT_NEAR(b[r], r + 1, 1e-14) << r;
}

// [1 2; 2 1] is not positive definite: its second pivot, 1 - 4, is negative.
TEST(BandCholesky, RefusesAMatrixThatIsNotPositiveDefinite) {
  std::vector<double> band = {1, 0, 1, 2};
  EXPECT_FALSE(Cholesky::Factor(band, 2, 1));
  std::vector<double> zero = {0, 0};
  EXPECT_FALSE(Cholesky::Factor(zero, 2, 0));
}

}  // namespace

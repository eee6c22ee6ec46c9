#include "numerics/BandMatrix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using Matrix = num::BandMatrix<double>;

TEST(BandMatrix, RefusesBandsOutsideTheMatrixAndUnequalBandsForTheFactor) {
  struct Case {
    int size, lower, upper;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{3, 3, 1}, Case{3, 1, 3}, Case{3, -1, 1}}) {
    Matrix matrix(c.size, c.lower, c.upper);
    EXPECT_EQ(matrix.Size(), 0) << c.size << " " << c.lower << " " << c.upper;
    EXPECT_FALSE(matrix.DecomposeCholesky());
  }
  Matrix unequal(4, 2, 1);
  for (int i = 0; i < 4; ++i) unequal(i, i) = 4;
  EXPECT_FALSE(unequal.DecomposeCholesky());
}

TEST(BandMatrix, DiscardsWritesOutsideTheBands) {
  Matrix matrix(4, 1, 1);
  matrix(0, 3) = 7;
  matrix(-1, 0) = 7;
  matrix(2, 1) = 5;
  EXPECT_EQ(matrix(0, 3), 0.0);
  EXPECT_EQ(matrix(2, 1), 5.0);
  EXPECT_EQ(matrix(1, 2), 0.0);
}

TEST(BandMatrix, SolvesOneByOne) {
  // [4] = 2 · 2; 8 / 2 = 4 and 12 / 2 = 6 forward, 4 / 2 = 2 and 6 / 2 = 3 back.
  Matrix matrix(1, 0, 0);
  matrix(0, 0) = 4;
  std::vector<double> block{8, 12};
  ASSERT_TRUE(matrix.DecomposeCholesky());
  EXPECT_EQ(matrix(0, 0), 2.0);
  ASSERT_TRUE(matrix.ForwardSubstitute(block.data(), 2));
  EXPECT_EQ(block, (std::vector<double>{4, 6}));
  ASSERT_TRUE(matrix.BackSubstitute(block.data(), 2));
  EXPECT_EQ(block, (std::vector<double>{2, 3}));
}

TEST(BandMatrix, SolvesWithMoreBandsThanOnePassTakes) {
  // A = L·Lᵀ, L with 2 on the diagonal and 1 on five sub-diagonals: every step of the factor and
  // the solves stays in small integers and halves, so solving A·X = A gives the identity exactly.
  constexpr int kSize = 8;
  constexpr int kBands = 5;
  auto l = [](int r, int c) { return r == c ? 2.0 : (r > c && r - c <= kBands ? 1.0 : 0.0); };
  Matrix matrix(kSize, kBands, kBands);
  std::vector<double> block(kSize * kSize);
  std::vector<double> identity(kSize * kSize, 0.0);
  for (int r = 0; r < kSize; ++r) {
    identity[r * kSize + r] = 1;
    for (int c = 0; c < kSize; ++c) {
      double a = 0;
      for (int k = 0; k < kSize; ++k) a += l(r, k) * l(c, k);
      block[r * kSize + c] = a;
      if (c <= r) matrix(r, c) = a;  // the lower triangle suffices
    }
  }
  ASSERT_TRUE(matrix.DecomposeCholesky());
  for (int r = 0; r < kSize; ++r) {
    for (int c = 0; c < kSize; ++c) EXPECT_EQ(matrix(r, c), l(std::max(r, c), std::min(r, c)));
  }
  ASSERT_TRUE(matrix.ForwardSubstitute(block.data(), kSize));
  ASSERT_TRUE(matrix.BackSubstitute(block.data(), kSize));
  EXPECT_EQ(block, identity);
}

TEST(BandMatrix, ForwardSubstitutionMaySkipTrailingZeros) {
  Matrix matrix(3, 1, 1);  // lower triangle of [[4,2,0],[2,5,2],[0,2,5]]
  matrix(0, 0) = 4;
  matrix(1, 0) = 2;
  matrix(1, 1) = 5;
  matrix(2, 1) = 2;
  matrix(2, 2) = 5;
  ASSERT_TRUE(matrix.DecomposeCholesky());
  std::vector<double> full{0.3, 0, 0, 0, 0.7, 1.1, 0.5, 0, 0.9, 0.2, 0.4, 0};
  std::vector<double> skipping = full;
  const int usedColumns[3] = {1, 3, 3};  // rows are zero from these columns on
  ASSERT_TRUE(matrix.ForwardSubstitute(full.data(), 4));
  ASSERT_TRUE(matrix.ForwardSubstitute(skipping.data(), 4, usedColumns));
  EXPECT_EQ(std::memcmp(full.data(), skipping.data(), full.size() * sizeof(double)), 0);
}

TEST(BandMatrix, StopsAtTheFirstDiagonalThatIsNotPositive) {
  for (double pivot : {0.0, -1.0}) {
    Matrix matrix(2, 1, 1);
    matrix(0, 0) = 4;
    matrix(1, 1) = pivot;
    std::vector<double> block{4, 4};
    EXPECT_FALSE(matrix.ForwardSubstitute(block.data(), 1));
    EXPECT_EQ(block, (std::vector<double>{1, 4}));  // row 0 was already processed
    EXPECT_FALSE(matrix.BackSubstitute(block.data(), 1));
    EXPECT_FALSE(matrix.DecomposeCholesky());
    EXPECT_EQ(matrix(0, 0), 2.0);  // the first row is already factored
  }
}

}  // namespace

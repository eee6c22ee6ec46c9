#include "numerics/BandMatrix.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Matrix = num::BandMatrix<double>;

TEST(BandMatrix, RefusesBandCountsOutsideTheMatrix) {
  struct Case {
    int size, lower, upper;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{-1, 0, 0}, Case{3, 3, 1}, Case{3, 1, 3}, Case{3, -1, 1},
                        Case{3, 1, -1}}) {
    Matrix matrix(c.size, c.lower, c.upper);
    EXPECT_EQ(matrix.Size(), 0) << c.size << " " << c.lower << " " << c.upper;
    EXPECT_FALSE(matrix.DecomposeCholesky());
  }
}

TEST(BandMatrix, DiscardsWritesOutsideTheBands) {
  Matrix matrix(4, 1, 1);
  matrix(0, 3) = 7;
  matrix(3, 0) = 7;
  matrix(-1, 0) = 7;
  matrix(0, 4) = 7;
  EXPECT_EQ(matrix(0, 3), 0.0);
  EXPECT_EQ(matrix(3, 0), 0.0);
  matrix(2, 1) = 5;  // inside the lower band
  EXPECT_EQ(matrix(2, 1), 5.0);
  EXPECT_EQ(matrix(1, 2), 0.0);
}

TEST(BandMatrix, FactorisationNeedsEqualBandCounts) {
  Matrix matrix(4, 2, 1);
  ASSERT_EQ(matrix.Size(), 4);
  for (int i = 0; i < 4; ++i) matrix(i, i) = 4;
  EXPECT_FALSE(matrix.DecomposeCholesky());
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

TEST(BandMatrix, SolvesATridiagonalSystemFromItsLowerTriangle) {
  // [[4,2,0],[2,5,2],[0,2,5]] = L·Lᵀ with L = [[2,0,0],[1,2,0],[0,1,2]]; solving against its own
  // columns gives the identity, all in exact arithmetic.
  Matrix matrix(3, 1, 1);
  const double lower[3][3] = {{4, 0, 0}, {2, 5, 0}, {0, 2, 5}};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c <= r; ++c) matrix(r, c) = lower[r][c];
  }
  std::vector<double> block{4, 2, 0, 2, 5, 2, 0, 2, 5};
  ASSERT_TRUE(matrix.DecomposeCholesky());
  EXPECT_EQ(matrix(1, 0), 1.0);
  EXPECT_EQ(matrix(0, 1), 1.0);  // the upper triangle holds Lᵀ
  EXPECT_EQ(matrix(2, 2), 2.0);
  ASSERT_TRUE(matrix.ForwardSubstitute(block.data(), 3));
  ASSERT_TRUE(matrix.BackSubstitute(block.data(), 3));
  EXPECT_EQ(block, (std::vector<double>{1, 0, 0, 0, 1, 0, 0, 0, 1}));
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
      if (c <= r) matrix(r, c) = a;
    }
  }
  ASSERT_TRUE(matrix.DecomposeCholesky());
  for (int r = 0; r < kSize; ++r) {
    for (int c = 0; c <= r; ++c) EXPECT_EQ(matrix(r, c), l(r, c)) << r << " " << c;
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
  // Rows end with zeros from columns 1, 3 and 3 on.
  const std::vector<double> rhs{0.3, 0, 0, 0, 0.7, 1.1, 0.5, 0, 0.9, 0.2, 0.4, 0};
  const int usedColumns[3] = {1, 3, 3};
  std::vector<double> full = rhs;
  std::vector<double> skipping = rhs;
  ASSERT_TRUE(matrix.ForwardSubstitute(full.data(), 4));
  ASSERT_TRUE(matrix.ForwardSubstitute(skipping.data(), 4, usedColumns));
  EXPECT_EQ(std::memcmp(full.data(), skipping.data(), full.size() * sizeof(double)), 0);
}

TEST(BandMatrix, StopsAtTheFirstPivotThatIsNotPositive) {
  for (double pivot : {0.0, -1.0}) {
    Matrix matrix(2, 1, 1);
    matrix(0, 0) = 1;
    matrix(1, 1) = pivot;
    EXPECT_FALSE(matrix.DecomposeCholesky());
    EXPECT_EQ(matrix(0, 0), 1.0);  // the first row is already factored
  }
}

TEST(BandMatrix, SubstitutionsRefuseADiagonalThatIsNotPositive) {
  Matrix matrix(2, 1, 1);
  matrix(0, 0) = 2;  // entry (1, 1) stays 0
  std::vector<double> block{4, 4};
  EXPECT_FALSE(matrix.ForwardSubstitute(block.data(), 1));
  EXPECT_EQ(block, (std::vector<double>{2, 4}));  // row 0 was already processed
  block = {4, 4};
  EXPECT_FALSE(matrix.BackSubstitute(block.data(), 1));
  EXPECT_EQ(block, (std::vector<double>{4, 4}));
}

}  // namespace

#include "numerics/BandMatrix.h"

#include <gtest/gtest.h>

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

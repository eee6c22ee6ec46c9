#include "numerics/RowMajorArray.h"

#include <gtest/gtest.h>

namespace {

TEST(RowMajorArray, StoresZeroFilledRowsOneAfterAnother) {
  num::RowMajorArray<double> table(3, 2);  // 3 columns, 2 rows
  EXPECT_EQ(table.ColumnCount(), 3u);
  EXPECT_EQ(table.RowCount(), 2u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(table.Data()[i], 0.0);
  table(1, 2) = 5;
  EXPECT_EQ(table.Data()[1 * 3 + 2], 5.0);
  EXPECT_EQ(table.Row(1)[2], 5.0);
}

TEST(RowMajorArray, CopiesOwnTheirValues) {
  num::RowMajorArray<double> original(2, 2);
  original(1, 1) = 1;
  num::RowMajorArray<double> copy = original;
  copy(1, 1) = 2;
  EXPECT_EQ(original(1, 1), 1.0);
  EXPECT_EQ(copy.Row(1)[1], 2.0);
}

}  // namespace

#include "curve/SamplePoints.h"

#include <gtest/gtest.h>

namespace {

TEST(SamplePoints, ReadAsOneFlatArray) {
  const SamplePoints samples{{1, 2, 3}, {4, 5, 6}};
  const double* flat = flatCoordinates(samples);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(flat[i], i + 1.0);
  }
}

}  // namespace

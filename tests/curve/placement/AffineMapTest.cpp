#include "curve/placement/AffineMap.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <vector>

using vintrel::curve::AffineMap;

namespace {

TEST(AffineMap, MapsEveryPointByRowsAndTranslation) {
  // Turn (x, y, z) -> (-y, x, 2 z), then move by (5, -1, 0.5); the last row is ignored.
  const AffineMap map({0, -1, 0, 5, 1, 0, 0, -1, 0, 0, 2, 0.5, 9, 9, 9, 9});
  // (1, 2, 3) -> (-2 + 5, 1 - 1, 6 + 0.5); (0, 0, 0) -> the translation.
  EXPECT_EQ(map.mapCoordinates({1, 2, 3, 0, 0, 0}), (std::vector<double>{3, 0, 6.5, 5, -1, 0.5}));
  EXPECT_TRUE(map.mapCoordinates({}).empty());
}

TEST(AffineMap, IdentityLeavesCoordinatesAsTheyAre) {
  const AffineMap identity({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
  const std::vector<double> coordinates = {0.1, -2.5e-7, 3e12, 1.0 / 3.0, 7, -0.25};
  EXPECT_EQ(identity.mapCoordinates(coordinates), coordinates);
}

TEST(AffineMap, RefusesAPartialPoint) {
  const AffineMap identity({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
  EXPECT_THROW(identity.mapCoordinates({1, 2}), std::invalid_argument);
}

}  // namespace

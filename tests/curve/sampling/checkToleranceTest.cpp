// The bounds of a curve's tolerance, in its unit, and the message that states them.
#include "curve/sampling/checkTolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "curve/formula/SplineTolerance.h"

using vintrel::curve::centimetreUnit;
using vintrel::curve::checkTolerance;
using vintrel::curve::kLargestTolerance;
using vintrel::curve::kSmallestTolerance;
using vintrel::curve::lengthUnitNamed;

namespace {

std::string refusal(double tolerance, const char* unit) {
  try {
    checkTolerance(tolerance, *lengthUnitNamed(unit));
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "accepted";
}

TEST(checkTolerance, AcceptsTheBoundsAndWhatLiesBetween) {
  for (double cm : {kSmallestTolerance, 0.002, kLargestTolerance}) {
    EXPECT_NO_THROW(checkTolerance(cm, centimetreUnit())) << cm;
  }
  EXPECT_EQ(refusal(0.02, "mm"), "accepted");
  EXPECT_EQ(refusal(100.0, "mm"), "accepted");  // 10 cm
}

TEST(checkTolerance, RefusesWhatNoFitShouldUseInTheCurvesUnit) {
  EXPECT_EQ(refusal(0.0, "mm"), "Tolerance must be a number from 1e-05 to 100 mm; it is 0");
  EXPECT_EQ(refusal(-0.02, "cm"), "Tolerance must be a number from 1e-06 to 10 cm; it is -0.02");
  EXPECT_NE(refusal(std::nan(""), "cm"), "accepted");
  EXPECT_NE(refusal(std::numeric_limits<double>::infinity(), "cm"), "accepted");
  EXPECT_NE(refusal(10.5, "cm"), "accepted");
  EXPECT_EQ(refusal(1.0, "yd").rfind("Tolerance must be a number from 1.09e-08 to 0.109 yd", 0), 0u)
      << refusal(1.0, "yd");
}

}  // namespace

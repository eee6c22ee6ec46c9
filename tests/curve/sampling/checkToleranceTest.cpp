// The bounds of a curve's tolerance, in its unit, and the message that states them.
#include "curve/sampling/checkTolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "curve/formula/SplineTolerance.h"

using vintrel::curve::centimetreUnit;
using vintrel::curve::checkTolerance;
using vintrel::curve::inCentimetres;
using vintrel::curve::kLargestTolerance;
using vintrel::curve::kSmallestTolerance;
using vintrel::curve::LengthUnit;
using vintrel::curve::lengthUnitNamed;
using vintrel::curve::lengthUnits;

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
  EXPECT_EQ(refusal(1.0, "yd").rfind("Tolerance must be a number from 1.1e-08 to 0.109 yd", 0), 0u)
      << refusal(1.0, "yd");
}

// The bounds are rounded inwards to three digits: 1e-6 cm / 2.54 = 3.937e-07 in rounds up as it
// would anyway, 10 cm / 2.54 = 3.937 in rounds down; 1e-6 cm / 91.44 = 1.0936e-08 yd rounds up;
// 10 cm / 0.00254 = 3937 mil rounds down. Round figures stay as they are.
TEST(checkTolerance, PrintsBoundsRoundedInwards) {
  const std::pair<const char*, const char*> cases[] = {{"in", "from 3.94e-07 to 3.93 in;"},
                                                       {"yd", "from 1.1e-08 to 0.109 yd;"},
                                                       {"mil", "from 0.000394 to 3.93e+03 mil;"},
                                                       {"mm", "from 1e-05 to 100 mm;"},
                                                       {"nmi", "from 5.4e-12 to 5.39e-05 nmi;"}};
  for (const auto& [unit, bounds] : cases) {
    EXPECT_NE(refusal(0.0, unit).find(bounds), std::string::npos) << refusal(0.0, unit);
  }
  EXPECT_EQ(refusal(3.93, "in"), "accepted");
}

// Whatever the unit, the bounds the message prints, typed back, are accepted, and they lie
// within a step of their third digit of the true bounds.
TEST(checkTolerance, PrintedBoundsAreAcceptedInEveryUnit) {
  for (const LengthUnit& unit : lengthUnits()) {
    const std::string message = refusal(0.0, unit.name.c_str());
    const std::string prefix = "Tolerance must be a number from ";
    ASSERT_EQ(message.rfind(prefix, 0), 0u) << message;
    const std::size_t to = message.find(" to ");
    const std::size_t end = message.find(" " + unit.name + ";");
    ASSERT_NE(to, std::string::npos) << message;
    ASSERT_NE(end, std::string::npos) << message;
    const double smallest = std::stod(message.substr(prefix.size(), to - prefix.size()));
    const double largest = std::stod(message.substr(to + 4, end - to - 4));
    EXPECT_NO_THROW(checkTolerance(smallest, unit)) << message;
    EXPECT_NO_THROW(checkTolerance(largest, unit)) << message;
    EXPECT_LT(inCentimetres(smallest, unit), kSmallestTolerance * 1.01) << message;
    EXPECT_GT(inCentimetres(largest, unit), kLargestTolerance * 0.99) << message;
  }
}

}  // namespace

#include "curve/sampleCurve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/SampledCurves.h"

namespace {

using curve_testing::kPi;

std::string samplingError(const std::string& x, const std::string& y, const std::string& z,
                          double tStart = 0.0, double tEnd = 1.0) {
  try {
    sampleCurve({tStart, tEnd, x, y, z}, kPi);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "no error";
}

TEST(sampleCurve, TakesEvenlySpacedTFromStartToEnd) {
  const SamplePoints samples = sampleCurve({0.0, 1.0, "t", "2 * t", "1"}, kPi);
  ASSERT_EQ(samples.size(), 2049u);
  for (int i = 0; i < 2049; ++i) {
    const double t = i * 0.00048828125;  // i / 2048, exact
    ASSERT_EQ(samples[i].x, t) << i;
    ASSERT_EQ(samples[i].y, 2 * t) << i;
    ASSERT_EQ(samples[i].z, 1.0) << i;
  }
  EXPECT_EQ(samples[1024].x, 0.5);
  EXPECT_EQ(samples[2048].x, 1.0);
}

TEST(sampleCurve, RunsDownwardsOrStandsStillWithTheRange) {
  SamplePoints samples;
  samples = sampleCurve({1.0, 0.0, "t", "0", "0"}, kPi);
  EXPECT_EQ(samples.front().x, 1.0);
  EXPECT_EQ(samples.back().x, 0.0);

  samples = sampleCurve({2.5, 2.5, "t", "t * t", "0"}, kPi);
  ASSERT_EQ(samples.size(), 2049u);
  for (const SamplePoint& p : samples) {
    ASSERT_EQ(p.x, 2.5);
    ASSERT_EQ(p.y, 6.25);
  }
}

TEST(sampleCurve, HelixStartsAndEndsOnTheXAxis) {
  SamplePoints samples;
  samples = sampleCurve({0.0, 1.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "t"}, kPi);
  EXPECT_EQ(samples.front().x, 1.0);
  EXPECT_EQ(samples.front().y, 0.0);
  EXPECT_EQ(samples.front().z, 0.0);
  EXPECT_NEAR(samples.back().x, 1.0, 1e-15);
  EXPECT_NEAR(samples.back().y, 0.0, 1e-15);
  EXPECT_EQ(samples.back().z, 1.0);
}

TEST(sampleCurve, UsesParametersByNameAndTheirPi) {
  SamplePoints samples;
  samples = sampleCurve({0.0, 1.0, "r * pi", "r", ""}, {{"pi", 3.0}, {"r", 2.0}});
  EXPECT_EQ(samples[7].x, 6.0);
  EXPECT_EQ(samples[7].y, 2.0);
}

TEST(sampleCurve, TakesBlankExpressionsAsZero) {
  SamplePoints samples;
  samples = sampleCurve({0.0, 1.0, "", " \t ", "t"}, kPi);
  ASSERT_EQ(samples.size(), 2049u);
  EXPECT_EQ(samples[2048].x, 0.0);
  EXPECT_EQ(samples[2048].y, 0.0);
  EXPECT_EQ(samples[2048].z, 1.0);

  samples = sampleCurve({0.0, 1.0, "", "", ""}, kPi);
  EXPECT_EQ(samples.size(), 2049u);
}

TEST(sampleCurve, NamesTheCoordinateMuparserRejects) {
  struct Case {
    std::string x, y, z, message;
  };
  const std::vector<Case> cases = {
      {"(1", "t", "t", "x(t): Missing parenthesis"},
      {"t", "a", "t", "y(t): Unexpected token \"a\" found at position 0."},
      {"", "t", "1+", "z(t): Unexpected end of expression at position 3"},
      {"t", "(t", "a", "y(t): Missing parenthesis"},  // y is named before z
  };
  for (const Case& c : cases) {
    EXPECT_EQ(samplingError(c.x, c.y, c.z), c.message);
  }
}

TEST(sampleCurve, ARefusedParameterNameBlocksOnlyCurvesThatUseIt) {
  const ParameterTable parameters{{"pi", 3.141592653589793}, {"wall thickness", 2.0}};
  SamplePoints samples;
  samples = sampleCurve({0.0, 3.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "t"}, parameters);
  EXPECT_EQ(samples.size(), 2049u);
  EXPECT_THROW(sampleCurve({0.0, 1.0, "wall thickness", "0", "0"}, parameters), std::runtime_error);
}

// A design parameter named t (a thickness, say) must not freeze or block the curve: the curve
// variable hides it, and the parameter's value 5 shows nowhere.
TEST(sampleCurve, TheVariableTHidesADesignParameterNamedT) {
  SamplePoints samples;
  samples = sampleCurve({0.0, 1.0, "t", "2 * t", ""}, {{"pi", 3.141592653589793}, {"t", 5.0}});
  ASSERT_EQ(samples.size(), 2049u);
  EXPECT_EQ(samples[1024].x, 0.5);
  EXPECT_EQ(samples[2048].y, 2.0);
}

// Ends a value input can hold but no sampling can use: the message names the input or the range,
// not an innocent expression at t = nan.
TEST(sampleCurve, RefusesEndsAndRangesThatAreNotFinite) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double tStart, tEnd;
    std::string message;
  };
  const std::vector<Case> cases = {
      {nan, 1.0, "Starting t Value is not a finite number: nan"},
      {0.0, -inf, "Ending t Value is not a finite number: -inf"},
      {inf, nan, "Starting t Value is not a finite number: inf"},
      // 1e308 - (-1e308) overflows, though both ends are finite
      {-1e308, 1e308,
       "The t range from -1e+308 to 1e+308 is too wide to sample; choose closer ends."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(samplingError("t", "0", "0", c.tStart, c.tEnd), c.message);
  }
}

// The extremes that still work: ends at the edge of the doubles, and a span of a few ulps.
TEST(sampleCurve, SamplesHugeAndTinyFiniteRanges) {
  SamplePoints samples;
  samples = sampleCurve({1e308, -1e308 / 2, "t / 1e308", "0", "0"}, kPi);
  EXPECT_EQ(samples.front().x, 1.0);
  EXPECT_NEAR(samples.back().x, -0.5, 1e-15);
  samples = sampleCurve({1.0, std::nextafter(1.0, 2.0), "t", "0", "0"}, kPi);
  EXPECT_EQ(samples.front().x, 1.0);
  EXPECT_EQ(samples.back().x, std::nextafter(1.0, 2.0));
}

TEST(sampleCurve, NamesTheCoordinateAndTheFirstTWhereAValueIsNotFinite) {
  struct Case {
    std::string x, y, z;
    double tEnd;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"1/t", "0", "0", 1.0, "x(t) is not a finite number at t = 0"},
      // sample 513 is the first beyond 0.25: 513 / 2048
      {"0", "sqrt(0.25 - t)", "0", 1.0, "y(t) is not a finite number at t = 0.25048828125"},
      // exp overflows beyond t = 0.7097827; sample 1454 is 0.7099609375
      {"0", "0", "exp(1000 * t)", 1.0, "z(t) is not a finite number at t = 0.7099609375"},
      // t of sample 1024 is 0.1 / 2, the double nearest 0.05: shortest text "0.05"
      {"1 / (t - 0.05)", "0", "0", 0.1, "x(t) is not a finite number at t = 0.05"},
      // both bad at the same sample: x is named
      {"1/t", "1/t", "0", 1.0, "x(t) is not a finite number at t = 0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(samplingError(c.x, c.y, c.z, 0.0, c.tEnd), c.message);
  }
}

}  // namespace

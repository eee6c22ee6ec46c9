#include "curve/sampling/sampleCurve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/SampledCurves.h"

using vintrel::curve::CurveRequest;
using vintrel::curve::ParameterTable;
using vintrel::curve::probeFraction;
using vintrel::curve::sampleCurve;
using vintrel::curve::SampledCurve;
using vintrel::curve::SamplePoints;

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

std::string samplingError(const CurveRequest& request, const ParameterTable& parameters = kPi) {
  try {
    sampleCurve(request, parameters);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "no error";
}

TEST(sampleCurve, TakesEvenlySpacedTFromStartToEndAndTheMidpointsBetween) {
  const SampledCurve curve = sampleCurve({0.0, 1.0, "t", "2 * t", "1"}, kPi);
  const SamplePoints& samples = curve.samples;
  ASSERT_EQ(samples.size(), 2049u);
  ASSERT_EQ(curve.midpoints.size(), 2048u);
  for (int i = 0; i < 2049; ++i) {
    const double t = i * 0.00048828125;  // i / 2048, exact
    ASSERT_EQ(samples[i].x, t) << i;
    ASSERT_EQ(samples[i].y, 2 * t) << i;
    ASSERT_EQ(samples[i].z, 1.0) << i;
    ASSERT_EQ(curve.sampleT(i), t) << i;
  }
  for (int k = 0; k < 2048; ++k) {
    const double t = (k + 0.5) * 0.00048828125;  // (2k + 1) / 4096, exact
    ASSERT_EQ(curve.midpoints[k].x, t) << k;
    ASSERT_EQ(curve.midpoints[k].y, 2 * t) << k;
    ASSERT_EQ(curve.midpointT(k), t) << k;
  }
  EXPECT_EQ(samples[1024].x, 0.5);
  EXPECT_EQ(samples[2048].x, 1.0);
  EXPECT_EQ(curve.midpoints[1023].x, 0.499755859375);  // 2047 / 4096
}

// Probe j at frac(0.5 + 0.6180339887498949 j) of the range: 0.5, then 1.118... - 1, 0.736...,
// 1.354... - 1; t = f for the range 0 ... 1 and 2 + 4f for the range 2 ... 6.
TEST(sampleCurve, TakesTheProbesAtGoldenRatioSteps) {
  const SampledCurve curve = sampleCurve({0.0, 1.0, "t", "2 * t", "1"}, kPi);
  ASSERT_EQ(curve.probes.size(), 256u);
  EXPECT_EQ(curve.probes[0].x, 0.5);
  EXPECT_NEAR(curve.probes[1].x, 0.1180339887498949, 1e-15);
  EXPECT_NEAR(curve.probes[2].x, 0.7360679774997898, 1e-15);
  EXPECT_NEAR(curve.probes[3].x, 0.3541019662496847, 1e-15);
  for (int j = 0; j < 256; ++j) {
    ASSERT_EQ(curve.probes[j].x, probeFraction(j)) << j;
    ASSERT_EQ(curve.probes[j].y, 2 * probeFraction(j)) << j;
    ASSERT_GE(probeFraction(j), 0.0);
    ASSERT_LT(probeFraction(j), 1.0);
  }
  const SampledCurve shifted = sampleCurve({2.0, 6.0, "t", "0", "0"}, kPi);
  EXPECT_EQ(shifted.probes[0].x, 4.0);
  EXPECT_EQ(shifted.probes[1].x, 2.0 + 4.0 * probeFraction(1));
}

TEST(sampleCurve, RunsDownwardsWithTheRange) {
  const SampledCurve curve = sampleCurve({1.0, 0.0, "t", "0", "0"}, kPi);
  EXPECT_EQ(curve.samples.front().x, 1.0);
  EXPECT_EQ(curve.samples.back().x, 0.0);
  EXPECT_EQ(curve.midpoints.front().x, 0.999755859375);  // 1 - 1 / 4096
  EXPECT_EQ(curve.step, -0.00048828125);
}

TEST(sampleCurve, HelixStartsAndEndsOnTheXAxis) {
  SamplePoints samples;
  samples = sampleCurve({0.0, 1.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "t"}, kPi).samples;
  EXPECT_EQ(samples.front().x, 1.0);
  EXPECT_EQ(samples.front().y, 0.0);
  EXPECT_EQ(samples.front().z, 0.0);
  EXPECT_NEAR(samples.back().x, 1.0, 1e-15);
  EXPECT_NEAR(samples.back().y, 0.0, 1e-15);
  EXPECT_EQ(samples.back().z, 1.0);
}

TEST(sampleCurve, UsesParametersByNameAndTheirPi) {
  SamplePoints samples;
  samples = sampleCurve({0.0, 1.0, "r * pi * t", "r", ""}, {{"pi", 3.0}, {"r", 2.0}}).samples;
  EXPECT_EQ(samples[2048].x, 6.0);
  EXPECT_EQ(samples[2048].y, 2.0);
}

TEST(sampleCurve, TakesBlankExpressionsAsZero) {
  SamplePoints samples;
  samples = sampleCurve({0.0, 1.0, "", " \t ", "t"}, kPi).samples;
  ASSERT_EQ(samples.size(), 2049u);
  EXPECT_EQ(samples[2048].x, 0.0);
  EXPECT_EQ(samples[2048].y, 0.0);
  EXPECT_EQ(samples[2048].z, 1.0);
}

TEST(sampleCurve, NamesTheCoordinateMuparserRejects) {
  struct Case {
    std::string x, y, z, message;
  };
  const std::vector<Case> cases = {
      {"(1", "t", "t",
       "x(t): the \"(\" at position 0 is never closed; add \")\" where its part ends"},
      {"t", "a", "t", "y(t): \"a\" is not a parameter of this design (nor t, pi or a function)"},
      {"", "t", "1+",
       "z(t): the formula ends too early, after \"1+\", where a value must follow; complete it"},
      {"t", "(t", "a",  // y is named before z
       "y(t): the \"(\" at position 0 is never closed; add \")\" where its part ends"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(samplingError(c.x, c.y, c.z), c.message);
  }
}

// muparser's "Unexpected token" put into words through real muparser errors: the design's own
// names to suggest, muparser's byte position counted in characters, each message on one line
// even when the formula holds a line break.
TEST(sampleCurve, ExplainsWhatMuparserCannotPlace) {
  const ParameterTable parameters{{"R", 5.0}, {"pi", 3.141592653589793}};
  struct Case {
    std::string x, message;
  };
  const std::vector<Case> cases = {
      {"r * cos(t)",
       "x(t): \"r\" is not a parameter of this design (nor t, pi or a function); did you mean "
       "\"R\"?"},
      {"2 *\xC2\xA0t",
       "x(t): position 3 holds a no-break space (U+00A0), which looks like a space; "
       "write an ordinary space instead"},
      {"t\n+ q", "x(t): \"q\" is not a parameter of this design (nor t, pi or a function)"},
      // muparser quotes the rest of the formula after a stray character; the message does not
      {"t + $\nq", "x(t): \"$\" at position 4 has no meaning in a formula; remove it"},
      // a DEL is a control character too: it never reaches the one-line message
      {"t\x7F", "x(t): position 1 holds a control character, which cannot be seen; remove it"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(samplingError({0.0, 1.0, c.x, "0", "0"}, parameters), c.message);
  }
}

TEST(sampleCurve, ARefusedParameterNameBlocksOnlyCurvesThatUseIt) {
  const ParameterTable parameters{{"pi", 3.141592653589793}, {"wall thickness", 2.0}};
  EXPECT_EQ(
      sampleCurve({0.0, 3.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "t"}, parameters).samples.size(),
      2049u);
  EXPECT_THROW(sampleCurve({0.0, 1.0, "wall thickness", "0", "0"}, parameters), std::runtime_error);
}

// A design parameter named t (a thickness, say) must not freeze or block the curve: the curve
// variable hides it, and the parameter's value 5 shows nowhere.
TEST(sampleCurve, TheVariableTHidesADesignParameterNamedT) {
  SamplePoints samples;
  samples =
      sampleCurve({0.0, 1.0, "t", "2 * t", ""}, {{"pi", 3.141592653589793}, {"t", 5.0}}).samples;
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

// The range is checked before the definitions, as before the formulas; a definitions text that
// cannot be read stops the sampling before its formulas are looked at.
TEST(sampleCurve, ChecksTheRangeBeforeTheDefinitionsAndTheDefinitionsBeforeTheFormulas) {
  CurveRequest request{std::numeric_limits<double>::quiet_NaN(), 1.0, "(t", "0", "0"};
  request.definitions = "k";
  EXPECT_EQ(samplingError(request), "Starting t Value is not a finite number: nan");
  request.tStart = 0.0;
  EXPECT_EQ(samplingError(request),
            "Definitions, line 1: \"k\" has no \"=\"; write name = expression");
}

// Every sample and midpoint within 0.002 of the first: the spline would be control points on top
// of each other.
TEST(sampleCurve, RefusesASinglePoint) {
  const std::string advice = ": give x(t), y(t) or z(t) a term in t, or widen the t range";
  struct Case {
    CurveRequest request;
    std::string message;
  };
  const std::string empty = "The t range is empty: Starting t Value and Ending t Value are both ";
  const std::string tooSmall =
      ", too small for a spline to follow: make it larger or widen the t range";
  const std::vector<Case> cases = {
      {{0.0, 1.0, "1", "2", "3"}, "The curve is a single point (1, 2, 3)" + advice},
      {{0.0, 1.0, "", "", ""}, "The curve is a single point (0, 0, 0)" + advice},
      // cos² + sin² is 1 to rounding: one point, though every formula has a term in t
      {{0.0, 1.0, "cos(t)^2 + sin(t)^2", "0", "0"},
       "The curve is a single point (1, 0, 0)" + advice},
      {{2.5, 2.5, "t", "t * t", "0"}, empty + "2.5; give them different values"},
      {{1.0, 1.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "t"},
       empty + "1; give them different values"},
      // moves 0.0019 in all: within the tolerance of its start
      {{0.0, 1.0, "1 / 3 + 0.0019 * t", "0", "0"},
       "The curve stays within 0.002 cm of one point (0.3333333, 0, 0)" + tooSmall},
      // an arc of 0.009 mm radius: real, but smaller than the tolerance
      {{0.0, 0.9, "0.0009*cos(2*pi*t)", "0.0009*sin(2*pi*t)", "0.0001*t"},
       "The curve stays within 0.002 cm of one point (0.0009, 0, 0)" + tooSmall},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(samplingError(c.request), c.message) << c.request.xExpression;
  }
  // 0.0021 is beyond the tolerance; and a curve that only leaves its start between samples
  // (0.5 at every midpoint) is no single point either.
  EXPECT_EQ(samplingError({0.0, 1.0, "0.0021 * t", "0", "0"}), "no error");
  EXPECT_EQ(samplingError({0.0, 1.0, "0.5 * sin(2 * pi * 1024 * t)", "0", "0"}), "no error");
  // 1 only at the midpoints (|2048 t - rint(2048 t)| is 1/2 there): it jumps, but it is no point
  const std::string atMidpoints = "abs(2048 * t - rint(2048 * t)) > 0.4999999 ? 1 : 0";
  EXPECT_EQ(samplingError({0.0, 1.0, atMidpoints, "0", "0"}).find("single point"),
            std::string::npos);
}

// A step, an angle wrapping from pi to -pi, a pole between two samples: the spline would bridge
// a gap that no value of the formula fills.
TEST(sampleCurve, RefusesJumps) {
  const std::string advice = ": a spline cannot follow a jump; split the range there";
  EXPECT_EQ(samplingError({0.0, 1.0, "t < 0.5 ? t : t + 1", "0", "0"}),
            "x(t) jumps near t = 0.5 (from 0.5 to 1.5)" + advice);
  EXPECT_EQ(samplingError({0.0, 2 * 3.141592653589793, "cos(t)", "atan2(sin(t), cos(t))", "0"}),
            "y(t) jumps near t = 3.141593 (from 3.141593 to -3.141593)" + advice);
  // The pole at 0.3 lies between samples 614 and 615 and between midpoints; the bisection meets
  // the double nearest 0.3, where the value is infinite.
  EXPECT_EQ(samplingError({0.0, 1.0, "t", "1 / (t - 0.3)", "0"}),
            "y(t) is not a finite number at t = 0.3");
}

// The request's own tolerance and unit decide what is a point or a jump and say so; an angle
// that wraps in cylindrical coordinates is no jump of the curve, while a step of its radius is.
TEST(sampleCurve, JudgesByTheCurvesToleranceUnitAndCoordinates) {
  CurveRequest small{0.0, 1.0, "0.01 * cos(2 * pi * t)", "0.01 * sin(2 * pi * t)", "0"};
  small.unit = *vintrel::curve::lengthUnitNamed("mm");
  small.tolerance = 0.02;
  EXPECT_EQ(samplingError(small),
            "The curve stays within 0.02 mm of one point (0.01, 0, 0), too small for a spline to "
            "follow: make it larger or widen the t range");
  small.tolerance = 0.002;
  EXPECT_EQ(samplingError(small), "no error");
  small.tolerance = 0.0;
  EXPECT_EQ(samplingError(small), "Tolerance must be a number from 1e-05 to 100 mm; it is 0");

  CurveRequest wrapping{0.0, 3.0, "1", "atan2(sin(2 * pi * t), cos(2 * pi * t))", "0"};
  wrapping.coordinates = vintrel::curve::Coordinates::Cylindrical;
  EXPECT_EQ(samplingError(wrapping), "no error");
  CurveRequest step{0.0, 1.0, "t < 0.5 ? 1 : 2", "0", "t"};
  step.coordinates = vintrel::curve::Coordinates::Cylindrical;
  EXPECT_EQ(samplingError(step),
            "The curve's x jumps near t = 0.5 (from 1 to 2): a spline cannot follow a jump; "
            "split the range there");
  CurveRequest point{0.0, 1.0, "0", "2 * pi * t", "0"};
  point.coordinates = vintrel::curve::Coordinates::Spherical;
  EXPECT_EQ(samplingError(point),
            "The curve is a single point (0, 0, 0): give r(t), \xCE\xB8(t) or \xCF\x86(t) a term "
            "in t, or widen the t range");
}

// A gap is judged by its length in space: a step of 0.003 on all three axes (0.0052 across) is
// wider than twice the tolerance, though each axis alone is not; 0.0015 on all three (0.0026
// across) a spline bridges within the tolerance of both sides. The superellipse's gap at
// t = pi / 2 (0.0025, rounding of cos(pi / 2) between neighbouring doubles) is no jump either;
// with the exponent 0.05 its gap is 0.64.
TEST(sampleCurve, CallsAGapAJumpOnlyWhenASplineCannotBridgeIt) {
  const std::string step3 = "t < 0.5 ? 0 : 0.003", step15 = "t < 0.5 ? 0 : 0.0015";
  EXPECT_EQ(samplingError({0.0, 1.0, step3, step3, step3}).find("x(t) jumps near t = 0.5"), 0u);
  EXPECT_EQ(samplingError({0.0, 1.0, step15, step15, step15}), "no error");
  const double twoPi = 6.283185307179586;
  EXPECT_EQ(samplingError({0.0, twoPi, "2*sign(cos(t))*abs(cos(t))^0.2",
                           "sign(sin(t))*abs(sin(t))^0.2", "0"}),
            "no error");
  EXPECT_EQ(samplingError({0.0, twoPi, "2*sign(cos(t))*abs(cos(t))^0.05",
                           "sign(sin(t))*abs(sin(t))^0.05", "0"})
                .find("x(t) jumps near t = 1.570796"),
            0u);
}

// Fast is not a jump: a logistic step 0.0001 wide, and a coil of 2048 turns, one per sample.
TEST(sampleCurve, TakesSteepOrFastContinuousCurves) {
  for (const CurveRequest& request :
       {CurveRequest{0.0, 1.0, "t", "1 / (1 + exp(-2000 * (t - 0.5)))", "0"},
        CurveRequest{0.0, 1.0, "t", "1 / (1 + exp(-20000 * (t - 0.5)))", "0"},
        CurveRequest{0.0, 2048.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "0.01 * t"}}) {
    EXPECT_EQ(samplingError(request), "no error") << request.yExpression;
  }
}

// The extremes: ends at the edge of the doubles still work; a span of one ulp is a single point.
TEST(sampleCurve, SamplesHugeFiniteRangesAndCallsATinyOneAPoint) {
  SamplePoints samples;
  samples = sampleCurve({1e308, -1e308 / 2, "t / 1e308", "0", "0"}, kPi).samples;
  EXPECT_EQ(samples.front().x, 1.0);
  EXPECT_NEAR(samples.back().x, -0.5, 1e-15);
  EXPECT_EQ(samplingError({1.0, std::nextafter(1.0, 2.0), "t", "0", "0"}),
            "The curve is a single point (1, 0, 0): give x(t), y(t) or z(t) a term in t, or widen "
            "the t range");
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
      // only midpoint 0, at 0.5 / 2048, meets the division by zero
      {"t", "1 / (t - 0.000244140625)", "0", 1.0,
       "y(t) is not a finite number at t = 0.000244140625"},
      // a NaN only within 1e-5 of probe 1 (0.11803...), whose neighbours among the samples and
      // midpoints, 483 / 4096 and 484 / 4096, lie 1.1e-4 and 1.3e-4 away
      {"t", "sqrt((t - 0.1180339887) ^ 2 - 1e-10)", "0", 1.0,
       "y(t) is not a finite number at t = 0.1180339887498949"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(samplingError(c.x, c.y, c.z, 0.0, c.tEnd), c.message);
  }
}

}  // namespace

// Jumps found between neighbouring points of a sampled curve, with curves given as plain
// functions of t, so that the jump's place is known to the double and each evaluation counted.
#include "curve/sampling/refuseJumps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

using vintrel::curve::CurvePointAt;
using vintrel::curve::refuseJumps;
using vintrel::curve::SampledCurve;
using vintrel::curve::SamplePoint;

namespace {

constexpr double kTolerance = 0.002;
const std::string kAdvice = ": a spline cannot follow a jump; split the range there";

// The curve sampled as sampleCurve samples it: 2049 samples and the 2048 midpoints.
SampledCurve sampledFrom(const CurvePointAt& f, double tStart, double tEnd) {
  SampledCurve curve;
  curve.tStart = tStart;
  curve.step = (tEnd - tStart) * 0.00048828125;
  for (int i = 0; i < 2049; ++i) curve.samples.push_back(f(curve.sampleT(i)));
  for (int k = 0; k < 2048; ++k) curve.midpoints.push_back(f(curve.midpointT(k)));
  return curve;
}

struct Outcome {
  std::string message = "no jump";
  int evaluations = 0;  // by the search alone
};

Outcome search(const CurvePointAt& f, double tStart = 0.0, double tEnd = 1.0) {
  const SampledCurve curve = sampledFrom(f, tStart, tEnd);
  Outcome outcome;
  try {
    refuseJumps(curve, kTolerance, [&](double t) {
      ++outcome.evaluations;
      return f(t);
    });
  } catch (const std::runtime_error& error) {
    outcome.message = error.what();
  }
  return outcome;
}

// 0.3 is no sample and no midpoint; the step is found at the double it is written at.
TEST(refuseJumps, FindsAStepDownToNeighbouringDoubles) {
  const auto step = [](double t) { return SamplePoint{t, t < 0.3 ? 0.0 : 1.0, 0.0}; };
  const Outcome outcome = search(step);
  EXPECT_EQ(outcome.message, "y(t) jumps near t = 0.3 (from 0 to 1)" + kAdvice);
  // From an interval of 1/4096 down to one ulp of 0.3 (2^-54): 42 halvings.
  EXPECT_EQ(outcome.evaluations, 42);
}

// Upwards the last t before the step is below 0.3; downwards it is 0.3 itself, where y is 1.
TEST(refuseJumps, NamesWhereTheJumpStartsInEitherDirection) {
  const auto step = [](double t) { return SamplePoint{t, t < 0.3 ? 0.0 : 1.0, 0.0}; };
  EXPECT_EQ(search(step, 1.0, 0.0).message, "y(t) jumps near t = 0.3 (from 1 to 0)" + kAdvice);
}

// x jumps by 0.5, z by 2 at the same t: z is named. A step of 1000000 to 1000000.01 needs ten
// digits to show that it is one.
TEST(refuseJumps, NamesTheCoordinateThatChangesMostWithEnoughDigits) {
  const auto both = [](double t) {
    return SamplePoint{t < 0.5 ? 0.0 : 0.5, 0.0, t < 0.5 ? 2 * t : 2 * t + 2};
  };
  EXPECT_EQ(search(both).message, "z(t) jumps near t = 0.5 (from 1 to 3)" + kAdvice);
  const auto small = [](double t) { return SamplePoint{t, 1e6 + (t < 0.5 ? 0.0 : 0.01), 0.0}; };
  EXPECT_EQ(search(small).message,
            "y(t) jumps near t = 0.5 (from 1000000 to 1000000.01)" + kAdvice);
}

// A step no larger than the tolerance is within what the spline may miss anyway.
TEST(refuseJumps, TakesAStepWithinTheTolerance) {
  const auto step = [](double t) { return SamplePoint{t, t < 0.3 ? 0.0 : 0.0019, 0.0}; };
  EXPECT_EQ(search(step).message, "no jump");
}

// Smooth and fast: no interval stands out from its neighbours, so nothing is evaluated at all.
TEST(refuseJumps, LeavesSmoothCurvesAloneWithoutEvaluating) {
  const double turn = 2 * 3.141592653589793;
  const CurvePointAt curves[] = {
      [&](double t) {
        return SamplePoint{std::cos(turn * t), std::sin(turn * t), t};
      },
      [&](double t) {
        return SamplePoint{std::cos(turn * t), std::sin(turn * t), 0.01 * t};
      },
      [](double t) {
        return SamplePoint{t, 1 / (1 + std::exp(-2000 * (t - 0.5))), 0.0};
      },
  };
  const double ends[] = {3.0, 2048.0, 1.0};
  for (int i = 0; i < 3; ++i) {
    const Outcome outcome = search(curves[i], 0.0, ends[i]);
    EXPECT_EQ(outcome.message, "no jump") << i;
    EXPECT_EQ(outcome.evaluations, 0) << i;
  }
}

// Steeper than the samples resolve (a ramp 1e-5 wide) stands out, and the bisection shows it
// continuous after a few halvings.
TEST(refuseJumps, BisectsASteepRampUntilItIsSmooth) {
  const auto ramp = [](double t) {
    return SamplePoint{t, std::min(std::max((t - 0.3) * 1e5, 0.0), 1.0), 0.0};
  };
  const Outcome outcome = search(ramp);
  EXPECT_EQ(outcome.message, "no jump");
  EXPECT_GT(outcome.evaluations, 0);
  EXPECT_LT(outcome.evaluations, 100);
}

// A step up by 0.0045 in x, y and z alike that falls back to 0.0015 within some millionths of t
// (it decays by e in 5e-6). The samples and midpoints, 1/4096 apart (the first after the step at
// t = 2049/4096, 0.000194 later, where exp(-38.8) leaves 0.0015), show only a rise of 0.0015 in
// each coordinate, within the tolerance, but 0.0026 in space, beyond it. The bisection finds the
// full step, 0.0078 in space, at the double it is written at.
TEST(refuseJumps, FindsAStepThatFallsBackBetweenTwoPoints) {
  const auto spike = [](double t) {
    const double v = t < 0.50005 ? 0.0 : 0.0015 + 0.003 * std::exp(-(t - 0.50005) * 200000);
    return SamplePoint{v, v, v};
  };
  EXPECT_EQ(search(spike).message, "x(t) jumps near t = 0.50005 (from 0 to 0.0045)" + kAdvice);
}

// A pole between samples: the values diverge towards it and change sign across it.
TEST(refuseJumps, TakesAPoleForAJump) {
  const auto pole = [](double t) { return SamplePoint{t, 1 / (t - 0.7000001), 0.0}; };
  const std::string message = search(pole).message;
  EXPECT_EQ(message.rfind("y(t) jumps near t = 0.7000001 (from ", 0), 0u) << message;
}

TEST(refuseJumps, LetsOutWhatTheEvaluationThrows) {
  const auto pole = [](double t) {
    if (t == 0.3) throw std::runtime_error("not finite");
    return SamplePoint{t, 1 / (t - 0.3), 0.0};
  };
  EXPECT_EQ(search(pole).message, "not finite");
}

TEST(refuseJumps, RefusesMidpointsThatDoNotFitBetweenTheSamples) {
  SampledCurve curve = sampledFrom([](double t) { return SamplePoint{t, 0.0, 0.0}; }, 0.0, 1.0);
  curve.midpoints.pop_back();
  EXPECT_THROW(refuseJumps(curve, kTolerance, {}), std::invalid_argument);
}

}  // namespace

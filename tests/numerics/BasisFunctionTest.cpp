#include "numerics/BasisFunction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/RecordingListener.h"

namespace {

using Basis = num::BasisFunction<double>;
using KnotSetup = num::BasisSetup<double>;
using Knots = std::vector<num::DistinctKnot<double>>;
using num_testing::RecordingListener;

KnotSetup MakeSetup(int controls, int degree, Knots knots, bool periodic = false) {
  KnotSetup setup;
  setup.controlPointCount = controls;
  setup.degree = degree;
  setup.periodic = periodic;
  setup.distinctKnotCount = static_cast<int>(knots.size());
  setup.distinctKnots = std::move(knots);
  return setup;
}

// The curve fitter's clamped uniform cubic knots: 0 and 1 four times, k · (1 / (n - 3)) between.
Basis CubicFitterBasis(int controls) {
  const double step = 1 / double(controls - 3);
  Knots knots{{0.0, 4}};
  for (int k = 1; k < controls - 3; ++k) knots.push_back({k * step, 1});
  knots.push_back({1.0, 4});
  Basis basis;
  basis.Create(MakeSetup(controls, 3, knots));
  return basis;
}

std::vector<double> Values(Basis& basis, double t, int& imin) {
  int imax = 0;
  basis.EvaluateBasis(t, imin, imax);
  std::vector<double> values;
  for (int i = imin; i <= imax; ++i) values.push_back(basis.GetValue(i));
  return values;
}

TEST(BasisFunction, EvaluatesTheCubicBernsteinValuesForFourControls) {
  Basis basis = CubicFitterBasis(4);
  int imin = -1;
  // Bernstein polynomials of degree 3 at 1/2: 1/8, 3/8, 3/8, 1/8.
  EXPECT_EQ(Values(basis, 0.5, imin), (std::vector<double>{0.125, 0.375, 0.375, 0.125}));
  EXPECT_EQ(imin, 0);
}

TEST(BasisFunction, ClampsParametersOutsideTheDomain) {
  Basis basis = CubicFitterBasis(24);
  int imin = -1;
  EXPECT_EQ(Values(basis, -0.5, imin), (std::vector<double>{1, 0, 0, 0}));
  EXPECT_EQ(imin, 0);
  // At the right end the last value comes out 3 units in the last place below 1 for 24 controls.
  EXPECT_EQ(Values(basis, 1.5, imin), (std::vector<double>{0, 0, 0, 0.9999999999999997}));
  EXPECT_EQ(imin, 20);
}

TEST(BasisFunction, GivesAKnotValueTheSpanThatStartsThere) {
  Basis basis = CubicFitterBasis(8);  // knots 0 0 0 0 0.2 0.4 0.6000000000000001 0.8 1 1 1 1
  for (int span = 3; span <= 7; ++span) {
    double t = basis.KnotVector()[span];
    EXPECT_EQ(basis.GetIndex(t), span) << t;
  }
  double t = std::nextafter(0.4, 0.0);
  EXPECT_EQ(basis.GetIndex(t), 4);
}

// A basis remembers the span of its last evaluation; what came before must not show in the values.
// Each t, visited in a scrambled order that steps within spans, across knots, onto knots and out
// of the domain, gets exactly the values of a fresh basis.
TEST(BasisFunction, GivesTheSameValuesWhateverWasEvaluatedBefore) {
  const Knots knots{{0.0, 4}, {0.25, 1}, {0.5, 2}, {0.75, 1}, {1.0, 4}};
  const std::vector<double> ts = {
      0.1, 0.2,  0.25, 0.3, 0.5, 0.49999999999999994, 0.6, 0.75, 0.74, 1.0, 1.5, 0.9, -1.0, 0.0,
      0.1, 0.99, 0.75, 0.5, 0.26};
  Basis remembering;
  remembering.Create(MakeSetup(8, 3, knots));
  for (double t : ts) {
    Basis fresh;
    fresh.Create(MakeSetup(8, 3, knots));
    int imin = -1;
    int freshImin = -1;
    EXPECT_EQ(Values(remembering, t, imin), Values(fresh, t, freshImin)) << t;
    EXPECT_EQ(imin, freshImin) << t;
  }
}

TEST(BasisFunction, WrapsPeriodicParametersIntoTheDomain) {
  // Degree 1, 3 controls + 1 wrapped: knots 0 1 2 3 4 5, domain [1, 4].
  Basis basis;
  basis.Create(MakeSetup(3, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}, true));
  ASSERT_TRUE(basis.IsCreated());
  EXPECT_EQ(basis.ControlPointCount(), 4);
  double t = 4;  // the domain's end wraps to its start
  EXPECT_EQ(basis.GetIndex(t), 1);
  EXPECT_EQ(t, 1.0);
  t = -0.5;  // 1 + (-1.5 mod 3) = 2.5
  EXPECT_EQ(basis.GetIndex(t), 2);
  EXPECT_EQ(t, 2.5);
}

TEST(BasisFunction, RejectsBadSetupsWithAnError) {
  KnotSetup overlong = MakeSetup(4, 3, {{0, 4}, {1, 4}});
  overlong.distinctKnotCount = 3;  // more than the list holds
  const std::vector<std::pair<KnotSetup, std::string>> cases{
      {MakeSetup(1, 1, {{0, 2}, {1, 2}}), "Invalid number of control points."},
      {MakeSetup(4, 4, {{0, 5}, {1, 5}}), "Invalid degree."},
      {MakeSetup(4, 0, {{0, 1}, {1, 1}}), "Invalid degree."},
      {MakeSetup(4, 3, {{0, 8}}), "Invalid number of unique knots."},
      {overlong, "Invalid number of unique knots."},
      {MakeSetup(4, 3, {{1, 4}, {0, 4}}), "Unique knots are not strictly increasing."},
      {MakeSetup(4, 3, {{0, 5}, {1, 3}}), "Invalid first multiplicity."},
      {MakeSetup(4, 3, {{0, 4}, {1, 0}}), "Invalid last multiplicity."},
      {MakeSetup(5, 3, {{0, 2}, {0.5, 4}, {1, 3}}), "Invalid interior multiplicity."},
      {MakeSetup(5, 3, {{0, 4}, {1, 4}}), "Multiplicities do not add up to the knot count."},
      {MakeSetup(4, 3, {{0, 4}, {0.5, 1}, {1, 4}}),
       "Multiplicities do not add up to the knot count."},
  };
  for (const auto& [setup, message] : cases) {
    RecordingListener listener(num::ReportListener::AcceptsErrors);
    Basis basis;
    basis.Create(setup);
    EXPECT_FALSE(basis.IsCreated()) << message;
    EXPECT_EQ(listener.Messages(), std::vector<std::string>{message});
  }
}

TEST(BasisFunction, ReportsASecondCreateFromItsOwnSource) {
  Basis basis = CubicFitterBasis(4);
  RecordingListener listener;
  basis.Create(MakeSetup(5, 3, {{0, 4}, {0.5, 1}, {1, 4}}));
  EXPECT_EQ(basis.KnotVector().size(), 8u);  // unchanged
  ASSERT_EQ(listener.Messages(), std::vector<std::string>{"Object already created."});
  EXPECT_EQ(listener.texts[0].rfind("\nNUM ERROR:\nFile: ", 0), 0u);
  EXPECT_NE(listener.texts[0].find(
                "numerics/BasisFunction.h\nFunc: num::BasisFunction<double>::Create\nLine: "),
            std::string::npos);
}

TEST(BasisFunction, AnswersZeroForABadIndexOrANotCreatedBasis) {
  RecordingListener listener;
  Basis basis = CubicFitterBasis(4);
  EXPECT_EQ(basis.GetValue(6), 0.0);  // controls + degree - 1: allowed, never written
  EXPECT_TRUE(listener.texts.empty());
  EXPECT_EQ(basis.GetValue(7), 0.0);
  EXPECT_EQ(basis.GetValue(-1), 0.0);
  EXPECT_EQ(listener.Messages(), (std::vector<std::string>{"Invalid input.", "Invalid input."}));

  Basis notCreated;
  int imin = 0;
  int imax = 0;
  notCreated.EvaluateBasis(0.5, imin, imax);
  EXPECT_EQ(imin, -1);
  EXPECT_EQ(imax, -1);
  EXPECT_EQ(notCreated.GetValue(0), 0.0);
  EXPECT_EQ(listener.texts.size(), 2u);  // silently
}

TEST(BasisFunction, EvaluatesANaNAtTheDomainStart) {
  RecordingListener listener;
  Basis basis = CubicFitterBasis(6);
  int imin = -1;
  EXPECT_EQ(Values(basis, std::nan(""), imin), (std::vector<double>{1, 0, 0, 0}));
  EXPECT_EQ(imin, 0);
  EXPECT_EQ(listener.Messages(), std::vector<std::string>{"Unexpected condition."});
}

}  // namespace

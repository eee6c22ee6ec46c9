#include "numerics/BasisFunction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/RecordingListener.h"

namespace {

using Basis = num::BasisFunction<double>;
using KnotSetup = num::BasisSetup<double>;
using num_testing::RecordingListener;

KnotSetup MakeSetup(int controls, int degree, std::vector<num::DistinctKnot<double>> knots,
                    bool periodic = false) {
  KnotSetup setup;
  setup.controlPointCount = controls;
  setup.degree = degree;
  setup.uniform = true;
  setup.periodic = periodic;
  setup.distinctKnotCount = static_cast<int>(knots.size());
  setup.distinctKnots = std::move(knots);
  return setup;
}

// The clamped uniform knots the curve fitter asks for: 0 and 1 with multiplicity degree + 1,
// k · (1 / (n - d)) between them.
KnotSetup FitterSetup(int controls, int degree = 3) {
  const int last = controls - degree;
  const double step = 1 / double(last);
  std::vector<num::DistinctKnot<double>> knots{{0.0, degree + 1}};
  for (int k = 1; k < last; ++k) knots.push_back({k * step, 1});
  knots.push_back({1.0, degree + 1});
  return MakeSetup(controls, degree, knots);
}

Basis Created(const KnotSetup& setup) {
  Basis basis;
  basis.Create(setup);
  return basis;
}

std::vector<double> Values(Basis& basis, double t, int& imin, int& imax) {
  basis.EvaluateBasis(t, imin, imax);
  std::vector<double> values;
  for (int i = imin; i <= imax; ++i) values.push_back(basis.GetValue(i));
  return values;
}

TEST(BasisFunction, BuildsTheClampedKnotVector) {
  Basis basis = Created(FitterSetup(8));
  // step = 1 / 5; the knots are 1·step … 4·step, and 3·step is 0.6000000000000001, not 0.6.
  const std::vector<double> expected{0, 0, 0, 0, 0.2, 0.4, 0.6000000000000001, 0.8, 1, 1, 1, 1};
  EXPECT_EQ(basis.KnotVector(), expected);
  EXPECT_EQ(basis.DomainMin(), 0.0);
  EXPECT_EQ(basis.DomainMax(), 1.0);
}

TEST(BasisFunction, EvaluatesTheCubicBernsteinValuesForFourControls) {
  Basis basis = Created(FitterSetup(4));
  int imin = 0;
  int imax = 0;
  // Bernstein polynomials of degree 3 at 1/2: 1/8, 3/8, 3/8, 1/8.
  EXPECT_EQ(Values(basis, 0.5, imin, imax), (std::vector<double>{0.125, 0.375, 0.375, 0.125}));
  EXPECT_EQ(imin, 0);
  EXPECT_EQ(imax, 3);
}

TEST(BasisFunction, ClampsParametersOutsideTheDomain) {
  Basis basis = Created(FitterSetup(24));
  int imin = 0;
  int imax = 0;
  EXPECT_EQ(Values(basis, -0.5, imin, imax), (std::vector<double>{1, 0, 0, 0}));
  EXPECT_EQ(imin, 0);
  // At the right end the last value comes out 3 units in the last place below 1 for 24 controls.
  EXPECT_EQ(Values(basis, 1.5, imin, imax), (std::vector<double>{0, 0, 0, 0.9999999999999997}));
  EXPECT_EQ(imax, 23);
}

TEST(BasisFunction, GivesAKnotValueTheSpanThatStartsThere) {
  Basis basis = Created(FitterSetup(8));
  for (int span = 3; span <= 7; ++span) {
    double t = basis.KnotVector()[span];  // 0, 0.2, 0.4, 0.6000000000000001, 0.8
    EXPECT_EQ(basis.GetIndex(t), span) << t;
  }
  double t = std::nextafter(0.4, 0.0);
  EXPECT_EQ(basis.GetIndex(t), 4);
}

TEST(BasisFunction, ValuesSumToOneInsideTheDomain) {
  Basis basis = Created(FitterSetup(9));
  for (double t = 0; t <= 1; t += 0.0625) {
    int imin = 0;
    int imax = 0;
    double sum = 0;
    for (double v : Values(basis, t, imin, imax)) sum += v;
    EXPECT_NEAR(sum, 1.0, 1e-15) << t;
  }
}

TEST(BasisFunction, WrapsPeriodicParametersIntoTheDomain) {
  // Degree 1, 3 controls + 1 wrapped: knots 0 1 2 3 4 5, domain [1, 4].
  std::vector<num::DistinctKnot<double>> knots;
  for (int k = 0; k <= 5; ++k) knots.push_back({double(k), 1});
  Basis basis = Created(MakeSetup(3, 1, knots, true));
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
  struct Case {
    KnotSetup setup;
    const char* message;
  };
  const std::vector<Case> cases{
      {MakeSetup(1, 1, {{0, 2}, {1, 2}}), "Invalid number of control points."},
      {MakeSetup(4, 4, {{0, 5}, {1, 5}}), "Invalid degree."},
      {MakeSetup(4, 0, {{0, 1}, {1, 1}}), "Invalid degree."},
      {MakeSetup(4, 3, {{0, 8}}), "Invalid number of unique knots."},
      {MakeSetup(4, 3, {{1, 4}, {0, 4}}), "Unique knots are not strictly increasing."},
      {MakeSetup(4, 3, {{0, 5}, {1, 3}}), "Invalid first multiplicity."},
      {MakeSetup(4, 3, {{0, 4}, {1, 0}}), "Invalid last multiplicity."},
      {MakeSetup(5, 3, {{0, 2}, {0.5, 4}, {1, 3}}), "Invalid interior multiplicity."},
      {MakeSetup(5, 3, {{0, 4}, {1, 4}}), "Multiplicities do not add up to the knot count."},
      {MakeSetup(4, 3, {{0, 4}, {0.5, 1}, {1, 4}}),
       "Multiplicities do not add up to the knot count."},
  };
  for (const Case& c : cases) {
    RecordingListener listener(num::ReportListener::AcceptsErrors);
    Basis basis;
    basis.Create(c.setup);
    EXPECT_FALSE(basis.IsCreated()) << c.message;
    EXPECT_EQ(listener.Messages(), std::vector<std::string>{c.message});
  }
}

TEST(BasisFunction, RefusesAKnotCountBeyondTheList) {
  RecordingListener listener;
  KnotSetup setup = FitterSetup(4);
  setup.distinctKnotCount = 3;  // only two entries exist
  Basis basis;
  basis.Create(setup);
  EXPECT_FALSE(basis.IsCreated());
  EXPECT_EQ(listener.Messages(), std::vector<std::string>{"Invalid number of unique knots."});
}

TEST(BasisFunction, ReportsItsErrorsWithItsOwnSourceAndFunction) {
  RecordingListener listener;
  Basis basis = Created(FitterSetup(4));
  basis.Create(FitterSetup(5));
  EXPECT_EQ(basis.KnotVector().size(), 8u);  // unchanged
  ASSERT_EQ(listener.texts.size(), 1u);
  const std::string& text = listener.texts[0];
  EXPECT_EQ(text.rfind("\nNUM ERROR:\nFile: ", 0), 0u) << text;
  EXPECT_NE(text.find("numerics/BasisFunction.h\nFunc: num::BasisFunction<double>::Create\nLine: "),
            std::string::npos)
      << text;
  EXPECT_EQ(listener.Messages(), std::vector<std::string>{"Object already created."});
}

TEST(BasisFunction, GetValueChecksItsIndex) {
  RecordingListener listener;
  Basis basis = Created(FitterSetup(4));
  int imin = 0;
  int imax = 0;
  basis.EvaluateBasis(0.5, imin, imax);
  EXPECT_EQ(basis.GetValue(6), 0.0);  // controls + degree - 1: allowed, never written
  EXPECT_TRUE(listener.texts.empty());
  EXPECT_EQ(basis.GetValue(7), 0.0);
  EXPECT_EQ(basis.GetValue(-1), 0.0);
  EXPECT_EQ(listener.Messages(), (std::vector<std::string>{"Invalid input.", "Invalid input."}));
}

TEST(BasisFunction, EvaluatesANaNAtTheDomainStart) {
  RecordingListener listener;
  Basis basis = Created(FitterSetup(6));
  int imin = 0;
  int imax = 0;
  EXPECT_EQ(Values(basis, std::nan(""), imin, imax), (std::vector<double>{1, 0, 0, 0}));
  EXPECT_EQ(imin, 0);
  EXPECT_EQ(listener.Messages(), std::vector<std::string>{"Unexpected condition."});
}

TEST(BasisFunction, ANotCreatedBasisEvaluatesToNothingSilently) {
  RecordingListener listener;
  Basis basis;
  int imin = 0;
  int imax = 0;
  basis.EvaluateBasis(0.5, imin, imax);
  EXPECT_EQ(imin, -1);
  EXPECT_EQ(imax, -1);
  EXPECT_EQ(basis.GetValue(0), 0.0);
  EXPECT_TRUE(listener.texts.empty());
}

}  // namespace

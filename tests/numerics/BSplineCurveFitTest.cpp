#include "numerics/BSplineCurveFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/LiteralBSplineCurveFit.h"
#include "tests/support/RecordingListener.h"

namespace {

using Fit = num::BSplineCurveFit<double>;
using Point = std::vector<double>;
using num_testing::LiteralBSplineCurveFit;
using num_testing::RecordingListener;

constexpr int kSampleCount = 2049;
constexpr double kTwoPi = 2 * 3.14159265358979323846;

// 2049 samples, point after point, of a curve given on t in [t0, t1].
template <typename Curve>
std::vector<double> Sample(double t0, double t1, Curve curve) {
  std::vector<double> samples;
  for (int k = 0; k < kSampleCount; ++k) {
    const Point point = curve(t0 + k * ((t1 - t0) * (1.0 / (kSampleCount - 1))));
    samples.insert(samples.end(), point.begin(), point.end());
  }
  return samples;
}

// A helix, a circle, a fast wave, a noisy curve (fixed pseudo-random sequence) and a line.
std::vector<std::vector<double>> TestCurves() {
  unsigned state = 12345;
  auto noise = [&state]() { return ((state = state * 1103515245u + 12345u) >> 16) / 65536.0; };
  return {Sample(0, 3,
                 [](double t) {
                   return Point{std::cos(kTwoPi * t), std::sin(kTwoPi * t), t};
                 }),
          Sample(0, 1,
                 [](double t) {
                   return Point{std::cos(kTwoPi * t), std::sin(kTwoPi * t), 0};
                 }),
          Sample(0, 1,
                 [](double t) {
                   return Point{t, 0.1 * std::sin(140 * t), 0};
                 }),
          Sample(0, 1,
                 [&](double t) {
                   return Point{t + 0.01 * noise(), t * t, noise()};
                 }),
          Sample(-2, 5, [](double t) {
            return Point{1 + 2 * t, -3 * t, 0.5};
          })};
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

Point PointAt(Fit& fit, double t) {
  Point point(3, 9.0);
  fit.EvaluatePoint(t, point.data());
  return point;
}

class BSplineCurveFitAgainstLiteral : public testing::TestWithParam<int> {};

TEST_P(BSplineCurveFitAgainstLiteral, GivesTheLiteralControlPointsAndPointsBitForBit) {
  const int controls = GetParam();
  for (const std::vector<double>& samples : TestCurves()) {
    Fit fit(3, kSampleCount, samples.data(), 3, controls);
    LiteralBSplineCurveFit literal(3, kSampleCount, samples.data(), 3, controls);
    ASSERT_TRUE(SameBits(fit.ControlCoordinates(), literal.ControlCoordinates()));
    for (int i = -8; i <= 4096 + 8; ++i) {  // on and between the knots, and clamped beyond
      Point plain(3);
      literal.EvaluatePoint(i / 4096.0, plain.data());
      ASSERT_TRUE(SameBits(PointAt(fit, i / 4096.0), plain)) << controls << " " << i / 4096.0;
    }
  }
}

// Weights made once for the basis fit every curve as its own solve does.
TEST_P(BSplineCurveFitAgainstLiteral, WeightsMadeBeforehandGiveTheSameBits) {
  const int controls = GetParam();
  num::BasisFunction<double> basis;
  basis.Create(Fit::ClampedUniformSetup(controls, 3));
  const num::BSplineFitWeights<double> weights(basis, kSampleCount);
  for (const std::vector<double>& samples : TestCurves()) {
    Fit fit(3, kSampleCount, samples.data(), 3, controls, weights);
    LiteralBSplineCurveFit literal(3, kSampleCount, samples.data(), 3, controls);
    ASSERT_TRUE(SameBits(fit.ControlCoordinates(), literal.ControlCoordinates())) << controls;
  }
}

INSTANTIATE_TEST_SUITE_P(ControlCounts, BSplineCurveFitAgainstLiteral,
                         testing::Values(4, 5, 8, 16, 32, 64, 128));

TEST(BSplineCurveFit, OtherDegreesAlsoMatchTheLiteralFitBitForBit) {
  const std::vector<double> samples = TestCurves()[2];
  for (int degree : {1, 2, 4, 5}) {  // degree 5 needs more bands than one solve pass takes
    Fit fit(3, kSampleCount, samples.data(), degree, 16);
    LiteralBSplineCurveFit literal(3, kSampleCount, samples.data(), degree, 16);
    EXPECT_TRUE(SameBits(fit.ControlCoordinates(), literal.ControlCoordinates())) << degree;
  }
}

TEST(BSplineCurveFit, UsesTheProductKnotsAndPinsTheEnds) {
  const std::vector<double> samples = TestCurves()[0];
  Fit fit(3, kSampleCount, samples.data(), 3, 8);
  // 3 · (1 / 5) is 0.6000000000000001; 3 / 5 would be 0.6.
  EXPECT_EQ(fit.Basis().KnotVector(),
            (std::vector<double>{0, 0, 0, 0, 0.2, 0.4, 0.6000000000000001, 0.8, 1, 1, 1, 1}));
  const Point first(samples.begin(), samples.begin() + 3);
  const Point last(samples.end() - 3, samples.end());
  EXPECT_TRUE(SameBits(PointAt(fit, 0), first));  // basis 1, 0, 0, 0 there
  EXPECT_TRUE(SameBits(PointAt(fit, -1), first));
  EXPECT_TRUE(SameBits(PointAt(fit, 2), PointAt(fit, 1)));
  for (int j = 0; j < 3; ++j) EXPECT_NEAR(PointAt(fit, 1)[j], last[j], 1e-15);
}

TEST(BSplineCurveFit, InterpolatesWhenSamplesEqualControls) {
  const std::vector<double> samples{0, 0, 1, 2, 0, 3, 0, 2, 3, 1, 1, 1};
  Fit fit(3, 4, samples.data(), 3, 4);
  for (int k = 0; k < 4; ++k) {
    const Point point = PointAt(fit, k * (1.0 / 3));
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(point[j], samples[3 * k + j], 1e-12) << k << j;
  }
}

TEST(BSplineCurveFit, FitsAStraightSegmentWithFourControls) {
  // P(t) = (1, -1, 2) + t · (3, 6, -3) is the cubic Bézier with controls P(0), P(1/3), P(2/3),
  // P(1).
  auto line = [](double t) { return Point{1 + 3 * t, -1 + 6 * t, 2 - 3 * t}; };
  const std::vector<double> samples = Sample(0, 1, line);
  Fit fit(3, kSampleCount, samples.data(), 3, 4);
  EXPECT_EQ(fit.Basis().KnotVector(), (std::vector<double>{0, 0, 0, 0, 1, 1, 1, 1}));
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 3; ++j)
      EXPECT_NEAR(fit.ControlCoordinates()[3 * i + j], line(i / 3.0)[j], 1e-12);
  }
  for (double t = 0; t <= 1; t += 0.125) {
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(PointAt(fit, t)[j], line(t)[j], 1e-12);
  }
}

TEST(BSplineCurveFit, AnUnusableDegreeLeavesOnlyThePinnedEnds) {
  const std::vector<double> samples{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  for (int degree : {4, 0}) {  // equal to the control count, and below 1
    RecordingListener listener;
    Fit fit(3, 5, samples.data(), degree, 4);
    ASSERT_EQ(listener.Messages(), (std::vector<std::string>{"Invalid degree.", "Invalid degree.",
                                                             "Failed to solve linear system."}));
    EXPECT_TRUE(std::regex_match(
        listener.texts[0], std::regex("\nNUM ASSERTION:\nFile: .*numerics/BSplineCurveFit\\.h\n"
                                      "Func: num::BSplineCurveFit<double>::BSplineCurveFit\n"
                                      "Line: [1-9][0-9]*\nInvalid degree\\.\n\n")))
        << listener.texts[0];
    EXPECT_EQ(listener.texts[1].rfind("\nNUM ERROR:\n", 0), 0u);  // the basis's own report
    EXPECT_EQ(fit.ControlCoordinates(),
              (std::vector<double>{1, 2, 3, 0, 0, 0, 0, 0, 0, 13, 14, 15}));
    EXPECT_EQ(PointAt(fit, 0.5), (Point{0, 0, 0}));  // no basis to evaluate: the origin
  }
}

TEST(BSplineCurveFit, StopsSafelyWhereGoingOnCouldNotBe) {
  const std::vector<double> samples = TestCurves()[1];
  struct Case {
    int dimension;
    const double* samples;
    int degree;
    int controls;
    const char* message;
  };
  for (const Case& c : {Case{0, samples.data(), 3, 8, "Invalid dimension."},
                        Case{3, nullptr, 3, 8, "Invalid sample data."},
                        Case{3, samples.data(), 9, 8, "Invalid degree."},
                        Case{3, samples.data(), -1, -1, "Invalid degree."}}) {
    RecordingListener listener;
    Fit fit(c.dimension, kSampleCount, c.samples, c.degree, c.controls);
    EXPECT_EQ(listener.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(fit.ControlPointCount(), 0);
    EXPECT_TRUE(fit.ControlCoordinates().empty());
    const Point expected =
        c.dimension == 3 ? Point{0, 0, 0} : Point{9, 9, 9};  // zeros, or untouched
    EXPECT_EQ(PointAt(fit, 0.5), expected) << c.message;
  }
}

}  // namespace

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
using num_testing::LiteralBSplineCurveFit;
using num_testing::RecordingListener;

constexpr int kSampleCount = 2049;
constexpr double kPi = 3.14159265358979323846;

// 2049 samples, point after point, of a curve given on t in [t0, t1].
template <typename Curve>
std::vector<double> Sample(double t0, double t1, Curve curve) {
  std::vector<double> samples;
  const double step = (t1 - t0) * (1.0 / (kSampleCount - 1));
  for (int k = 0; k < kSampleCount; ++k) {
    const std::vector<double> point = curve(t0 + k * step);
    samples.insert(samples.end(), point.begin(), point.end());
  }
  return samples;
}

std::vector<std::vector<double>> TestCurves() {
  unsigned state = 12345;  // a fixed linear congruential sequence for the noise
  auto noise = [&state]() {
    state = state * 1103515245u + 12345u;
    return ((state >> 8) & 0xffff) / 65536.0 - 0.5;
  };
  return {
      Sample(0, 3,
             [](double t) {
               return std::vector<double>{std::cos(2 * kPi * t), std::sin(2 * kPi * t), t};
             }),
      Sample(0, 1,
             [](double t) {
               return std::vector<double>{std::cos(2 * kPi * t), std::sin(2 * kPi * t), 0};
             }),
      Sample(0, 1,
             [](double t) {
               return std::vector<double>{t, 0.1 * std::sin(140 * t), 0};
             }),
      Sample(0, 1,
             [&](double t) {
               return std::vector<double>{t + 0.01 * noise(), t * t, noise()};
             }),
      Sample(-2, 5,
             [](double t) {
               return std::vector<double>{1 + 2 * t, -3 * t, 0.5};
             }),
  };
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

class BSplineCurveFitAgainstLiteral : public testing::TestWithParam<int> {};

TEST_P(BSplineCurveFitAgainstLiteral, GivesTheLiteralControlPointsAndPointsBitForBit) {
  const int controls = GetParam();
  for (const std::vector<double>& samples : TestCurves()) {
    Fit fit(3, kSampleCount, samples.data(), 3, controls);
    LiteralBSplineCurveFit literal(3, kSampleCount, samples.data(), 3, controls);
    ASSERT_EQ(fit.ControlPointCount(), controls);
    EXPECT_TRUE(SameBits(fit.ControlCoordinates(), literal.ControlCoordinates()));
    // Points at and between the knots, and beyond both ends (clamped).
    for (int i = -8; i <= 4096 + 8; ++i) {
      std::vector<double> fast(3);
      std::vector<double> plain(3);
      fit.EvaluatePoint(i / 4096.0, fast.data());
      literal.EvaluatePoint(i / 4096.0, plain.data());
      ASSERT_TRUE(SameBits(fast, plain)) << controls << " controls, t = " << i / 4096.0;
    }
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

TEST(BSplineCurveFit, UsesTheProductKnots) {
  const std::vector<double> samples = TestCurves()[0];
  const Fit fit(3, kSampleCount, samples.data(), 3, 8);
  // 3 · (1 / 5) is 0.6000000000000001; 3 / 5 would be 0.6.
  EXPECT_EQ(fit.Basis().KnotVector(),
            (std::vector<double>{0, 0, 0, 0, 0.2, 0.4, 0.6000000000000001, 0.8, 1, 1, 1, 1}));
}

TEST(BSplineCurveFit, InterpolatesWhenSamplesEqualControls) {
  const std::vector<double> samples{0, 0, 1, 2, 0, 3, 0, 2, 3, 1, 1, 1};
  Fit fit(3, 4, samples.data(), 3, 4);
  for (int k = 0; k < 4; ++k) {
    double point[3];
    fit.EvaluatePoint(k * (1.0 / 3), point);
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(point[j], samples[3 * k + j], 1e-12) << k << j;
  }
  const std::vector<double>& controls = fit.ControlCoordinates();
  EXPECT_TRUE(SameBits({controls.begin(), controls.begin() + 3}, {0, 0, 1}));
  EXPECT_TRUE(SameBits({controls.end() - 3, controls.end()}, {1, 1, 1}));
}

TEST(BSplineCurveFit, FitsAStraightSegmentWithFourControls) {
  // P(t) = (1, -1, 2) + t · (3, 6, -3): a cubic Bézier with controls at P(0), P(1/3), P(2/3), P(1).
  const std::vector<double> samples = Sample(0, 1, [](double t) {
    return std::vector<double>{1 + 3 * t, -1 + 6 * t, 2 - 3 * t};
  });
  Fit fit(3, kSampleCount, samples.data(), 3, 4);
  EXPECT_EQ(fit.Basis().KnotVector(), (std::vector<double>{0, 0, 0, 0, 1, 1, 1, 1}));
  for (int i = 0; i < 4; ++i) {
    const double t = i / 3.0;
    EXPECT_NEAR(fit.ControlCoordinates()[3 * i + 0], 1 + 3 * t, 1e-12);
    EXPECT_NEAR(fit.ControlCoordinates()[3 * i + 1], -1 + 6 * t, 1e-12);
    EXPECT_NEAR(fit.ControlCoordinates()[3 * i + 2], 2 - 3 * t, 1e-12);
  }
  for (double t = 0; t <= 1; t += 0.125) {
    double point[3];
    fit.EvaluatePoint(t, point);
    EXPECT_NEAR(point[0], 1 + 3 * t, 1e-12);
    EXPECT_NEAR(point[1], -1 + 6 * t, 1e-12);
    EXPECT_NEAR(point[2], 2 - 3 * t, 1e-12);
  }
}

TEST(BSplineCurveFit, ClampsAndPinsTheEnds) {
  const std::vector<double> samples = TestCurves()[0];
  Fit fit(3, kSampleCount, samples.data(), 3, 24);
  std::vector<double> start(3), below(3), end(3), above(3);
  fit.EvaluatePoint(0, start.data());
  fit.EvaluatePoint(-1, below.data());
  fit.EvaluatePoint(1, end.data());
  fit.EvaluatePoint(2, above.data());
  EXPECT_TRUE(SameBits(start, {samples[0], samples[1], samples[2]}));  // basis 1, 0, 0, 0 there
  EXPECT_TRUE(SameBits(below, start));
  EXPECT_TRUE(SameBits(above, end));
  for (int j = 0; j < 3; ++j) EXPECT_NEAR(end[j], samples[3 * (kSampleCount - 1) + j], 1e-15);
}

TEST(BSplineCurveFit, ReportsABrokenPreconditionAsAnAssertionFromItsSource) {
  RecordingListener listener(num::ReportListener::AcceptsAssertions);
  const std::vector<double> samples = TestCurves()[1];
  Fit fit(3, kSampleCount, samples.data(), 0, 4);
  ASSERT_FALSE(listener.texts.empty());
  EXPECT_TRUE(std::regex_match(listener.texts[0],
                               std::regex("\nNUM ASSERTION:\nFile: .*numerics/BSplineCurveFit\\.h\n"
                                          "Func: num::BSplineCurveFit<double>::BSplineCurveFit\n"
                                          "Line: [1-9][0-9]*\nInvalid degree\\.\n\n")))
      << listener.texts[0];
}

TEST(BSplineCurveFit, AnUnusableDegreeLeavesOnlyThePinnedEnds) {
  const std::vector<double> samples{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  for (int degree : {4, 0}) {  // equal to the control count, and below 1
    RecordingListener listener;
    Fit fit(3, 5, samples.data(), degree, 4);
    EXPECT_EQ(listener.Messages(), (std::vector<std::string>{"Invalid degree.", "Invalid degree.",
                                                             "Failed to solve linear system."}));
    EXPECT_EQ(listener.texts[1].rfind("\nNUM ERROR:\n", 0), 0u);  // the basis's own report
    EXPECT_EQ(fit.ControlCoordinates(),
              (std::vector<double>{1, 2, 3, 0, 0, 0, 0, 0, 0, 13, 14, 15}));
    double point[3] = {9, 9, 9};
    fit.EvaluatePoint(0.5, point);  // no basis to evaluate: the origin
    EXPECT_EQ(std::vector<double>(point, point + 3), (std::vector<double>{0, 0, 0}));
  }
}

TEST(BSplineCurveFit, MoreControlsThanSamplesIsReportedButFitted) {
  RecordingListener listener;
  const std::vector<double> samples{0, 0, 1, 1, 2, 4};
  Fit fit(2, 3, samples.data(), 3, 4);
  EXPECT_EQ(listener.Messages().front(), "Invalid number of controls.");
  ASSERT_EQ(fit.ControlPointCount(), 4);
  EXPECT_EQ(fit.ControlCoordinates()[0], 0.0);
  EXPECT_EQ(fit.ControlCoordinates()[7], 4.0);
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
                        Case{-2, samples.data(), 3, 8, "Invalid dimension."},
                        Case{3, nullptr, 3, 8, "Invalid sample data."},
                        Case{3, samples.data(), 9, 8, "Invalid degree."},
                        Case{3, samples.data(), -1, -1, "Invalid degree."}}) {
    RecordingListener listener;
    Fit fit(c.dimension, kSampleCount, c.samples, c.degree, c.controls);
    EXPECT_EQ(listener.Messages(), std::vector<std::string>{c.message}) << c.message;
    EXPECT_EQ(fit.ControlPointCount(), 0);
    EXPECT_TRUE(fit.ControlCoordinates().empty());
    double point[3] = {9, 9, 9};
    fit.EvaluatePoint(0.5, point);
    if (c.dimension == 3) {
      EXPECT_EQ(std::vector<double>(point, point + 3), (std::vector<double>{0, 0, 0}));
    }
  }
}

}  // namespace

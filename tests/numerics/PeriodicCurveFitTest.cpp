#include "numerics/PeriodicCurveFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/CubicSpans.h"
#include "tests/support/RecordingListener.h"
#include "tests/support/SplineEnds.h"

namespace {

using Fit = num::PeriodicCurveFit<double>;
using num_testing::RecordingListener;

std::vector<double> SomeControls(int n) {
  std::vector<double> controls;
  for (int i = 0; i < n; ++i) {
    const double a = 6.283185307179586 * i / n;
    controls.insert(controls.end(),
                    {2 * std::cos(a) + 0.2 * (i % 3), std::sin(a), 0.3 * std::sin(3 * a)});
  }
  return controls;
}

// M samples of the curve `at` at u = k / M, point after point.
template <typename Curve>
std::vector<double> Sample(int count, Curve at) {
  std::vector<double> samples;
  for (int k = 0; k < count; ++k) {
    double p[3];
    at(static_cast<double>(k) / count, p);
    samples.insert(samples.end(), p, p + 3);
  }
  return samples;
}

double SumOfSquares(const std::vector<double>& controls, const std::vector<double>& samples) {
  const num::CubicSpans<double> spans = num::CubicSpans<double>::FromPeriodic(controls);
  const int count = static_cast<int>(samples.size() / 3);
  double sum = 0;
  for (int k = 0; k < count; ++k) {
    double p[3];
    spans.Evaluate(static_cast<double>(k) / count, p);
    for (int j = 0; j < 3; ++j) sum += (p[j] - samples[3 * k + j]) * (p[j] - samples[3 * k + j]);
  }
  return sum;
}

// Samples of a periodic spline give its controls back, with the dense solve (4 to 7 controls)
// and the bordered one (8 and more).
TEST(PeriodicCurveFit, RecoversTheCurveItsSamplesComeFrom) {
  for (int n : {4, 5, 7, 8, 9, 12, 64, 256}) {
    const std::vector<double> controls = SomeControls(n);
    const num::CubicSpans<double> source = num::CubicSpans<double>::FromPeriodic(controls);
    const std::vector<double> samples =
        Sample(16 * n, [&](double u, double* p) { source.Evaluate(u, p); });
    const Fit fit(3, 16 * n, samples.data(), n);
    ASSERT_EQ(fit.ControlPointCount(), n);
    for (int i = 0; i < 3 * n; ++i) {
      ASSERT_NEAR(fit.ControlCoordinates()[i], controls[i], 1e-10) << n << " " << i;
    }
  }
}

// Points off any spline (an epicycloid-like loop): moving any control either way only adds to
// the sum of squared distances, on both sides of the border between band and corner.
TEST(PeriodicCurveFit, MinimisesTheSumOfSquares) {
  const std::vector<double> samples = Sample(2048, [](double u, double* p) {
    const double a = 6.283185307179586 * u;
    p[0] = std::cos(a) + 0.3 * std::cos(5 * a);
    p[1] = std::sin(a) - 0.3 * std::sin(5 * a);
    p[2] = 0.1 * std::cos(2 * a);
  });
  for (int n : {6, 16}) {
    const Fit fit(3, 2048, samples.data(), n);
    const double best = SumOfSquares(fit.ControlCoordinates(), samples);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < 3; ++j) {
        for (double delta : {-1e-4, 1e-4}) {
          std::vector<double> moved = fit.ControlCoordinates();
          moved[3 * i + j] += delta;
          EXPECT_GT(SumOfSquares(moved, samples), best) << n << " " << i << " " << j;
        }
      }
    }
  }
}

// The clamped curve has n + 3 controls on uniform clamped knots, is the periodic curve point for
// point, starts and ends at the same control point, and leaves its end as it entered its start:
// equal first and second derivatives there (1e-9 relative).
TEST(PeriodicCurveFit, GivesTheSameCurveClampedWithoutASeam) {
  for (int n : {4, 7, 8, 32}) {
    const std::vector<double> controls = SomeControls(n);
    const std::vector<double> samples = Sample(16 * n, [&](double u, double* p) {
      const double a = 6.283185307179586 * u;
      p[0] = 2 * std::cos(a);
      p[1] = std::sin(a) + 0.2 * std::cos(3 * a);
      p[2] = 0.1 * std::sin(2 * a);
    });
    const Fit fit(3, 16 * n, samples.data(), n);
    num::BSplineCurve<double> clamped = fit.ClampedCurve();
    ASSERT_EQ(clamped.ControlPointCount(), n + 3);
    EXPECT_EQ(clamped.Basis().KnotVector(),
              num::BSplineCurve<double>(3, std::vector<double>(3 * (n + 3)),
                                        num::BSplineCurve<double>::ClampedUniformSetup(n + 3, 3))
                  .Basis()
                  .KnotVector());
    const std::vector<double>& q = clamped.ControlCoordinates();
    EXPECT_EQ(std::vector<double>(q.begin(), q.begin() + 3),
              std::vector<double>(q.end() - 3, q.end()));
    const num::CubicSpans<double> periodic =
        num::CubicSpans<double>::FromPeriodic(fit.ControlCoordinates());
    for (int i = 0; i <= 999; ++i) {
      double a[3], b[3];
      clamped.EvaluatePoint(i / 999.0, a);
      periodic.Evaluate(i / 999.0, b);
      for (int j = 0; j < 3; ++j) ASSERT_NEAR(a[j], b[j], 1e-13) << n << " " << i;
    }
    for (int order : {1, 2}) {
      const auto [start, end] = curve_testing::endDerivatives(clamped, order);
      for (int j = 0; j < 3; ++j) {
        EXPECT_NEAR(start[j], end[j], 1e-9 * std::max(1.0, std::abs(start[j]))) << n << order;
      }
    }
  }
}

TEST(PeriodicCurveFit, RefusesWhatItCannotFit) {
  const std::vector<double> samples(30, 1.0);
  struct Case {
    int dimension;
    int sampleCount;
    const double* samples;
    int controls;
  };
  for (const Case& c : {Case{3, 10, samples.data(), 3}, Case{3, 5, samples.data(), 6},
                        Case{0, 10, samples.data(), 4}, Case{3, 10, nullptr, 4}}) {
    RecordingListener listener;
    const Fit fit(c.dimension, c.sampleCount, c.samples, c.controls);
    EXPECT_EQ(listener.Messages(), std::vector<std::string>{"Invalid fit input."});
    EXPECT_EQ(fit.ControlPointCount(), 0);
    EXPECT_TRUE(fit.ControlCoordinates().empty());
  }
}

}  // namespace

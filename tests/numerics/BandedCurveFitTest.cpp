#include "numerics/BandedCurveFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "numerics/BSplineCurveFit.h"
#include "tests/support/RecordingListener.h"

namespace {

using Fit = num::BandedCurveFit<double>;
using num_testing::RecordingListener;

// count samples of `curve` at u = k / (count - 1), point after point.
template <typename Curve>
std::vector<double> Sample(int count, Curve curve) {
  std::vector<double> samples;
  for (int k = 0; k < count; ++k) {
    double p[3];
    curve(k * (1.0 / (count - 1)), p);
    samples.insert(samples.end(), p, p + 3);
  }
  return samples;
}

// Controls on a slow spiral with a little wobble, so no two spans look alike.
std::vector<double> SomeControls(int n) {
  std::vector<double> controls;
  for (int i = 0; i < n; ++i) {
    controls.push_back(std::cos(0.3 * i) * (1 + 0.1 * (i % 3)));
    controls.push_back(std::sin(0.3 * i));
    controls.push_back(0.05 * i + 0.02 * (i % 2));
  }
  return controls;
}

double SumOfSquares(num::BSplineCurve<double>& curve, const std::vector<double>& samples) {
  const int count = static_cast<int>(samples.size() / 3);
  double sum = 0;
  for (int k = 0; k < count; ++k) {
    double p[3];
    curve.EvaluatePoint(k * (1.0 / (count - 1)), p);
    for (int j = 0; j < 3; ++j) sum += (p[j] - samples[3 * k + j]) * (p[j] - samples[3 * k + j]);
  }
  return sum;
}

// Samples of a clamped uniform spline are fitted by that spline: its controls come back (its ends
// being its end points, the pins take nothing away), for counts whose spans are all end spans (4,
// 5, 7) and counts with uniform spans inside.
TEST(BandedCurveFit, RecoversTheSplineItsSamplesComeFrom) {
  for (int n : {4, 5, 7, 10, 64, 300}) {
    num::BSplineCurve<double> source(3, SomeControls(n),
                                     num::BSplineCurve<double>::ClampedUniformSetup(n, 3));
    const std::vector<double> samples =
        Sample(16 * n + 1, [&](double u, double* p) { source.EvaluatePoint(u, p); });
    Fit fit(3, 16 * n + 1, samples.data(), n);
    ASSERT_EQ(fit.ControlPointCount(), n);
    ASSERT_EQ(fit.Basis().KnotVector(), source.Basis().KnotVector());
    for (std::size_t i = 0; i < 3u * n; ++i) {
      ASSERT_NEAR(fit.ControlCoordinates()[i], source.ControlCoordinates()[i], 1e-10) << n;
    }
  }
}

// The fit of points off any spline: the ends are the end samples exactly, and moving any inner
// control either way in any coordinate only adds to the sum of squared distances.
TEST(BandedCurveFit, PinsTheEndsAndMinimisesTheRest) {
  const int n = 40;
  const std::vector<double> samples = Sample(641, [](double u, double* p) {
    p[0] = std::cos(20 * u) + 0.3 * u;
    p[1] = std::sin(27 * u);
    p[2] = u * u;
  });
  Fit fit(3, 641, samples.data(), n);
  const std::vector<double>& controls = fit.ControlCoordinates();
  EXPECT_EQ(std::vector<double>(controls.begin(), controls.begin() + 3),
            std::vector<double>(samples.begin(), samples.begin() + 3));
  EXPECT_EQ(std::vector<double>(controls.end() - 3, controls.end()),
            std::vector<double>(samples.end() - 3, samples.end()));
  const double best = SumOfSquares(fit, samples);
  for (int i : {1, 2, 3, 17, n - 3, n - 2}) {
    for (int j = 0; j < 3; ++j) {
      for (double delta : {-1e-4, 1e-4}) {
        std::vector<double> moved = controls;
        moved[3 * i + j] += delta;
        num::BSplineCurve<double> other(3, moved,
                                        num::BSplineCurve<double>::ClampedUniformSetup(n, 3));
        EXPECT_GT(SumOfSquares(other, samples), best) << i << " " << j << " " << delta;
      }
    }
  }
}

// With the ends replaced after the fit, the curve is BSplineCurveFit's: the same least squares
// through the banded equations instead of its block solve, equal to rounding.
TEST(BandedCurveFit, ReplacingTheEndsGivesTheBlockSolvesCurve) {
  const std::vector<double> samples = Sample(2049, [](double u, double* p) {
    p[0] = std::cos(9 * u);
    p[1] = std::sin(13 * u) + u;
    p[2] = 0.5 * u * u;
  });
  for (int n : {8, 32, 128}) {
    const Fit banded(3, 2049, samples.data(), n, Fit::Ends::Replaced);
    const num::BSplineCurveFit<double> block(3, 2049, samples.data(), 3, n);
    for (int i = 0; i < 3 * n; ++i) {
      ASSERT_NEAR(banded.ControlCoordinates()[i], block.ControlCoordinates()[i], 1e-12) << n;
    }
  }
}

TEST(BandedCurveFit, RefusesWhatItCannotFit) {
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
    Fit fit(c.dimension, c.sampleCount, c.samples, c.controls);
    EXPECT_EQ(listener.Messages(), std::vector<std::string>{"Invalid fit input."});
    EXPECT_EQ(fit.ControlPointCount(), 0);
    EXPECT_TRUE(fit.ControlCoordinates().empty());
  }
}

}  // namespace

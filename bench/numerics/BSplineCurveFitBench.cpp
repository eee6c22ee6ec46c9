// One least-squares fit of the default helix (x cos(2πt), y sin(2πt), z t, t in [0, 3], 2049
// samples), as the adaptive fit makes it once per attempt, against the reference fit of
// tests/support/LiteralBSplineCurveFit.h.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "numerics/BSplineCurveFit.h"
#include "tests/support/LiteralBSplineCurveFit.h"

namespace {

constexpr int kSampleCount = 2049;

std::vector<double> HelixSamples() {
  const double pi = 3.14159265358979323846;
  const double step = 3 * (1.0 / (kSampleCount - 1));
  std::vector<double> samples;
  for (int k = 0; k < kSampleCount; ++k) {
    const double t = k * step;
    samples.push_back(std::cos(2 * pi * t));
    samples.push_back(std::sin(2 * pi * t));
    samples.push_back(t);
  }
  return samples;
}

// The whole constructor: basis per sample, normal matrix, banded solve for every sample, sums.
void BM_BSplineCurveFit(benchmark::State& state) {
  const std::vector<double> samples = HelixSamples();
  const int controls = static_cast<int>(state.range(0));
  for (auto _ : state) {
    num::BSplineCurveFit<double> fit(3, kSampleCount, samples.data(), 3, controls);
    benchmark::DoNotOptimize(fit.ControlCoordinates().data());
  }
}
BENCHMARK(BM_BSplineCurveFit)->Arg(32)->Arg(128)->Unit(benchmark::kMillisecond);

// The same fit written literally (basis per matrix entry, solves over all rows), for comparison.
void BM_LiteralBSplineCurveFit(benchmark::State& state) {
  const std::vector<double> samples = HelixSamples();
  const int controls = static_cast<int>(state.range(0));
  for (auto _ : state) {
    num_testing::LiteralBSplineCurveFit fit(3, kSampleCount, samples.data(), 3, controls);
    benchmark::DoNotOptimize(fit.ControlCoordinates().data());
  }
}
BENCHMARK(BM_LiteralBSplineCurveFit)->Arg(32)->Unit(benchmark::kMillisecond);

// One point on a fitted curve, as the closest-point search evaluates it many times per sample.
void BM_EvaluatePoint(benchmark::State& state) {
  const std::vector<double> samples = HelixSamples();
  num::BSplineCurveFit<double> fit(3, kSampleCount, samples.data(), 3, 128);
  double point[3];
  double t = 0;
  for (auto _ : state) {
    fit.EvaluatePoint(t, point);
    benchmark::DoNotOptimize(point);
    t = t < 1 ? t + 0.0009765625 : 0;
  }
}
BENCHMARK(BM_EvaluatePoint);

}  // namespace

BENCHMARK_MAIN();

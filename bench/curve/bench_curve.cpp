// Timings of the curve computation that the live preview reruns on every keystroke: sampling the
// dialog's default curve and the whole adaptive fit, for a curve met early and one that needs
// every attempt.
#include <benchmark/benchmark.h>

#include "curve/ParameterTable.h"
#include "curve/SamplePoints.h"
#include "curve/fitSplineToSamples.h"
#include "curve/largestDeviation.h"
#include "curve/sampleCurve.h"

namespace {

const ParameterTable kParameters{{"pi", 3.141592653589793}};

SamplePoints defaultHelix() {
  SamplePoints samples;
  samples = sampleCurve({0.0, 3.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "t"}, kParameters);
  return samples;
}

// Needs all six attempts: 128 control points.
SamplePoints fastWave() {
  SamplePoints samples;
  samples = sampleCurve({0.0, 1.0, "t", "0.1 * sin(140 * t)", "0"}, kParameters);
  return samples;
}

// Three parsers, 3 × 2049 muparser evaluations and the checks on every value.
void BM_SampleDefaultHelix(benchmark::State& state) {
  SamplePoints samples;
  for (auto _ : state) {
    samples = sampleCurve({0.0, 3.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "t"}, kParameters);
    benchmark::DoNotOptimize(samples.data());
  }
}
BENCHMARK(BM_SampleDefaultHelix)->Unit(benchmark::kMillisecond);

// Fits with 4, 8, 16 and 32 controls, the first three rejected early, the last checked in full.
void BM_AdaptiveFitDefaultHelix(benchmark::State& state) {
  const SamplePoints samples = defaultHelix();
  for (auto _ : state) {
    SplineFit fit = fitSplineToSamples(samples, kSplineTolerance);
    benchmark::DoNotOptimize(fit.curve.get());
  }
}
BENCHMARK(BM_AdaptiveFitDefaultHelix)->Unit(benchmark::kMillisecond);

// All six attempts, 4 ... 128 controls.
void BM_AdaptiveFitFastWave(benchmark::State& state) {
  const SamplePoints samples = fastWave();
  for (auto _ : state) {
    SplineFit fit = fitSplineToSamples(samples, kSplineTolerance);
    benchmark::DoNotOptimize(fit.curve.get());
  }
}
BENCHMARK(BM_AdaptiveFitFastWave)->Unit(benchmark::kMillisecond);

// One fit alone, to tell the fitter's share of the adaptive fit from the tolerance checks.
void BM_SingleFit(benchmark::State& state) {
  const SamplePoints samples = fastWave();
  const int controlCount = static_cast<int>(state.range(0));
  for (auto _ : state) {
    num::BSplineCurveFit<double> fit(3, static_cast<int>(samples.size()), flatCoordinates(samples),
                                     3, controlCount);
    benchmark::DoNotOptimize(fit.ControlCoordinates().data());
  }
}
BENCHMARK(BM_SingleFit)->RangeMultiplier(2)->Range(4, 128)->Unit(benchmark::kMillisecond);

// The accurate deviation the add-in computes when 128 controls still miss: a wave too fast for
// 128 controls.
void BM_LargestDeviationUnmetTolerance(benchmark::State& state) {
  SamplePoints samples;
  samples = sampleCurve({0.0, 1.0, "t", "0.1 * sin(300 * t)", "0"}, kParameters);
  const SplineFit fit = fitSplineToSamples(samples, kSplineTolerance);
  for (auto _ : state) {
    benchmark::DoNotOptimize(largestDeviation(*fit.curve, samples));
  }
}
BENCHMARK(BM_LargestDeviationUnmetTolerance)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

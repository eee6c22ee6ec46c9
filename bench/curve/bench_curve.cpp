// Timings of the curve computation that the live preview reruns on every keystroke: sampling the
// dialog's default curve (with its search for jumps) and the whole adaptive fit, for a curve met
// early and one that needs every attempt.
#include <benchmark/benchmark.h>

#include "curve/ParameterTable.h"
#include "curve/SampledCurve.h"
#include "curve/fitSplineToSamples.h"
#include "curve/largestDeviation.h"
#include "curve/refuseJumps.h"
#include "curve/sampleCurve.h"

namespace {

const ParameterTable kParameters{{"pi", 3.141592653589793}};

SampledCurve defaultHelix() {
  return sampleCurve({0.0, 3.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "t"}, kParameters);
}

// Needs all six attempts: 128 control points.
SampledCurve fastWave() {
  return sampleCurve({0.0, 1.0, "t", "0.1 * sin(140 * t)", "0"}, kParameters);
}

// Three parsers, 3 × (2049 + 2048) muparser evaluations, the checks on every value, the single
// point check and the search for jumps.
void BM_SampleDefaultHelix(benchmark::State& state) {
  SampledCurve curve;
  for (auto _ : state) {
    curve = sampleCurve({0.0, 3.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "t"}, kParameters);
    benchmark::DoNotOptimize(curve.samples.data());
  }
}
BENCHMARK(BM_SampleDefaultHelix)->Unit(benchmark::kMillisecond);

// The search for jumps alone on the default helix, which has none: one pass over the 4096
// intervals between samples and midpoints, no evaluation.
void BM_RefuseJumpsDefaultHelix(benchmark::State& state) {
  const SampledCurve curve = defaultHelix();
  const CurvePointAt unused = [](double) { return SamplePoint{0.0, 0.0, 0.0}; };
  for (auto _ : state) {
    refuseJumps(curve, kSplineTolerance, unused);
    benchmark::DoNotOptimize(curve.samples.data());
  }
}
BENCHMARK(BM_RefuseJumpsDefaultHelix)->Unit(benchmark::kMicrosecond);

// Fits with 4, 8, 16 and 32 controls, the first three rejected early, the last checked in full.
void BM_AdaptiveFitDefaultHelix(benchmark::State& state) {
  const SampledCurve samples = defaultHelix();
  for (auto _ : state) {
    SplineFit fit = fitSplineToSamples(samples, kSplineTolerance);
    benchmark::DoNotOptimize(fit.curve.get());
  }
}
BENCHMARK(BM_AdaptiveFitDefaultHelix)->Unit(benchmark::kMillisecond);

// All six attempts, 4 ... 128 controls.
void BM_AdaptiveFitFastWave(benchmark::State& state) {
  const SampledCurve samples = fastWave();
  for (auto _ : state) {
    SplineFit fit = fitSplineToSamples(samples, kSplineTolerance);
    benchmark::DoNotOptimize(fit.curve.get());
  }
}
BENCHMARK(BM_AdaptiveFitFastWave)->Unit(benchmark::kMillisecond);

// One fit alone, to tell the fitter's share of the adaptive fit from the tolerance checks.
void BM_SingleFit(benchmark::State& state) {
  const SamplePoints samples = fastWave().samples;
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
  const SampledCurve samples = sampleCurve({0.0, 1.0, "t", "0.1 * sin(300 * t)", "0"}, kParameters);
  const SplineFit fit = fitSplineToSamples(samples, kSplineTolerance);
  for (auto _ : state) {
    benchmark::DoNotOptimize(largestDeviation(*fit.curve, samples));
  }
}
BENCHMARK(BM_LargestDeviationUnmetTolerance)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// Timings of the curve computation that the live preview reruns on every keystroke: sampling the
// dialog's default curve (with its search for jumps), also written with a definition, and the whole
// adaptive fit, for a curve met early, one that needs every attempt up to 128 controls and long
// coils that go on past it.
#include <benchmark/benchmark.h>

#include <cmath>

#include "curve/fit/fitSplineToSamples.h"
#include "curve/formula/ParameterTable.h"
#include "curve/formula/SplineTolerance.h"
#include "curve/measure/largestDeviation.h"
#include "curve/sampling/SampledCurve.h"
#include "curve/sampling/refuseJumps.h"
#include "curve/sampling/sampleCurve.h"
#include "curve/status/FitStatus.h"
#include "numerics/BSplineCurveFit.h"
#include "numerics/BandedCurveFit.h"

using vintrel::curve::CurvePointAt;
using vintrel::curve::fitSplineToSamples;
using vintrel::curve::fitStatus;
using vintrel::curve::flatCoordinates;
using vintrel::curve::kSplineTolerance;
using vintrel::curve::largestDeviation;
using vintrel::curve::ParameterTable;
using vintrel::curve::refuseJumps;
using vintrel::curve::sampleCurve;
using vintrel::curve::SampledCurve;
using vintrel::curve::SamplePoint;
using vintrel::curve::SamplePoints;
using vintrel::curve::SplineFit;

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

// The same helix with its angle as a definition: four parsers, the definition's evaluated once
// per t and read by two formulas, against the default helix's three.
void BM_SampleHelixWithADefinition(benchmark::State& state) {
  vintrel::curve::CurveRequest request{0.0, 3.0, "cos(w)", "sin(w)", "t"};
  request.definitions = "w = 2 * pi * t";
  SampledCurve curve;
  for (auto _ : state) {
    curve = sampleCurve(request, kParameters);
    benchmark::DoNotOptimize(curve.samples.data());
  }
}
BENCHMARK(BM_SampleHelixWithADefinition)->Unit(benchmark::kMillisecond);

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

// A coil of 200 turns: the six attempts up to 128 controls fail, then 256 ... 2048 controls on
// ever finer samples, which this measures too (61440 points of the formulas beyond the first
// 4353).
void BM_AdaptiveFitLongCoil(benchmark::State& state) {
  const SampledCurve samples = sampleCurve(
      {0.0, static_cast<double>(state.range(0)), "cos(2 * pi * t)", "sin(2 * pi * t)", "0.1 * t"},
      kParameters);
  int controls = 0;
  for (auto _ : state) {
    SplineFit fit = fitSplineToSamples(samples, kSplineTolerance);
    controls = fit.curve->ControlPointCount();
    benchmark::DoNotOptimize(controls);
  }
  state.counters["controls"] = controls;
}
BENCHMARK(BM_AdaptiveFitLongCoil)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

// One banded fit alone on 16 · count + 1 samples of a 500-turn coil.
void BM_SingleBandedFit(benchmark::State& state) {
  const int controlCount = static_cast<int>(state.range(0));
  SamplePoints samples;
  for (int k = 0; k <= 16 * controlCount; ++k) {
    const double t = 500.0 * k / (16.0 * controlCount);
    samples.push_back({std::cos(6.283185307179586 * t), std::sin(6.283185307179586 * t), 0.1 * t});
  }
  for (auto _ : state) {
    num::BandedCurveFit<double> fit(3, static_cast<int>(samples.size()), flatCoordinates(samples),
                                    controlCount);
    benchmark::DoNotOptimize(fit.ControlCoordinates().data());
  }
}
BENCHMARK(BM_SingleBandedFit)->RangeMultiplier(4)->Range(256, 4096)->Unit(benchmark::kMillisecond);

// The accurate deviation the add-in computes when a fit still misses: a wave too fast for 128
// controls on its 2049 samples, and a coil of 700 turns that the cap of 4096 controls misses on
// its 131073 points and probes.
void BM_LargestDeviationUnmetTolerance(benchmark::State& state) {
  const SampledCurve samples = sampleCurve({0.0, 1.0, "t", "0.1 * sin(300 * t)", "0"}, kParameters);
  const num::BSplineCurveFit<double> fit(3, static_cast<int>(samples.samples.size()),
                                         flatCoordinates(samples.samples), 3, 128);
  for (auto _ : state) {
    benchmark::DoNotOptimize(largestDeviation(fit, samples));
  }
}
BENCHMARK(BM_LargestDeviationUnmetTolerance)->Unit(benchmark::kMillisecond);

void BM_LargestDeviationUnmetAtTheCap(benchmark::State& state) {
  const SampledCurve samples =
      sampleCurve({0.0, 700.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "0.1 * t"}, kParameters);
  const SplineFit fit = fitSplineToSamples(samples, kSplineTolerance);
  for (auto _ : state) {
    benchmark::DoNotOptimize(largestDeviation(*fit.curve, *fit.finerPoints));
  }
}
BENCHMARK(BM_LargestDeviationUnmetAtTheCap)->Unit(benchmark::kMillisecond);

// The status of a missed cap fit whose windings lie over each other (a torus coil wound 132,500
// times): the exact figure takes seconds, the status's measure is cut short after its steps.
void BM_StatusOfACurveRunOverItself(benchmark::State& state) {
  const SampledCurve samples = sampleCurve({8326.0, 0.185307179586, "(3 + cos(100 * t)) * cos(t)",
                                            "(3 + cos(100 * t)) * sin(t)", "sin(100 * t)"},
                                           kParameters);
  const SplineFit fit = fitSplineToSamples(samples, kSplineTolerance);
  for (auto _ : state) {
    benchmark::DoNotOptimize(fitStatus(fit, samples, kSplineTolerance));
  }
}
BENCHMARK(BM_StatusOfACurveRunOverItself)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

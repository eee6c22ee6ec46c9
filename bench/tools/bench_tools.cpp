// The STEP file of the 500-turn coil, the longest spline the add-in makes (4096 controls): the
// spline as the fit gives it to the host, written by sorvane's STEP writer through OpenCASCADE
// into memory (the file itself is one write and a rename).
#include <benchmark/benchmark.h>

#include <sstream>

#include "curve/fit/fitSplineToSamples.h"
#include "curve/formula/ParameterTable.h"
#include "curve/formula/SplineTolerance.h"
#include "curve/sampling/sampleCurve.h"
#include "tools/formats/SessionReport.h"
#include "tools/formats/StepWriter.h"

namespace {

// The coil's spline as the add-in hands it to the host: the fit's control points and knots.
sorvane::Spline coilSpline() {
  const vintrel::curve::ParameterTable parameters{{"pi", 3.141592653589793}};
  const vintrel::curve::SplineFit fit = vintrel::curve::fitSplineToSamples(
      vintrel::curve::sampleCurve({0.0, 500.0, "cos(2 * pi * t)", "sin(2 * pi * t)", "0.1 * t"},
                                  parameters),
      vintrel::curve::kSplineTolerance);
  sorvane::Spline spline;
  spline.degree = fit.curve->Degree();
  const std::vector<double>& coordinates = fit.curve->ControlCoordinates();
  for (std::size_t i = 0; i + 2 < coordinates.size(); i += 3) {
    spline.controlPoints.push_back({coordinates[i], coordinates[i + 1], coordinates[i + 2]});
  }
  spline.knots = fit.curve->Basis().KnotVector();
  return spline;
}

void BM_WriteStepOfTheCoil(benchmark::State& state) {
  const sorvane::Spline spline = coilSpline();
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::ostringstream out;
    sorvane::writeStep(spline, "Sketch1:1", out);
    bytes = out.str().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["controls"] = static_cast<double>(spline.controlPoints.size());
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteStepOfTheCoil)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// The live preview's cost as the user feels it: from a change of an input in the simulated host
// to the text box holding the new status, next to the computation alone (sampling and the
// adaptive fit) for the same curve. The difference is what the host round trip, the preview
// group and the NURBS conversion add.
#include <benchmark/benchmark.h>

#include <string>

#include "curve/fit/fitSplineToSamples.h"
#include "curve/formula/ParameterTable.h"
#include "curve/sampling/SampledCurve.h"
#include "curve/sampling/sampleCurve.h"
#include "dialog/CommandTexts.h"
#include "host/driver/HostSession.h"

using vintrel::curve::fitSplineToSamples;
using vintrel::curve::ParameterTable;
using vintrel::curve::sampleCurve;
using vintrel::curve::SampledCurve;
using vintrel::curve::SplineFit;
using vintrel::dialog::kCommandId;
using vintrel::dialog::kMaxTValueInputId;
using vintrel::dialog::kMinTValueInputId;
using vintrel::dialog::kPanelId;
using vintrel::dialog::kStatusDisplayId;
using vintrel::dialog::kWorkspaceId;
using vintrel::dialog::kXFunctionInputId;
using vintrel::dialog::kYFunctionInputId;
using vintrel::dialog::kZFunctionInputId;

namespace {

struct Curve {
  const char* x;
  const char* y;
  const char* z;
  double tStart;
  double tEnd;
};

// The dialog's default helix (32 controls), a fast wiggle that needs 128 controls, one that 128
// controls cannot follow, coils of 200 and 500 turns of 1 cm radius (2048 and 4096 controls, on
// 65537 and 131073 points of the formulas) and the circle of 1 cm radius.
const Curve kCurves[] = {
    {"cos(2 * pi * t)", "sin(2 * pi * t)", "t", 0.0, 3.0},
    {"t", "0.1 * sin(140 * t)", "0", 0.0, 1.0},
    {"t", "0.1 * sin(400 * t)", "0", 0.0, 1.0},
    {"cos(2 * pi * t)", "sin(2 * pi * t)", "0.1 * t", 0.0, 200.0},
    {"cos(2 * pi * t)", "sin(2 * pi * t)", "0.1 * t", 0.0, 500.0},
    {"cos(t)", "sin(t)", "0", 0.0, 6.283185307179586},
};
constexpr int kLastCurve = 5;

void setCurveLabel(benchmark::State& state, const Curve& curve) {
  state.SetLabel(std::string("x=") + curve.x + " y=" + curve.y + " z=" + curve.z);
}

// Isolates sampling plus the adaptive fit, exactly what every preview computes.
void BM_ComputationAlone(benchmark::State& state) {
  const Curve& curve = kCurves[state.range(0)];
  const ParameterTable parameters{{"pi", 3.141592653589793}};
  SampledCurve samples;
  int controls = 0;
  for (auto _ : state) {
    samples = sampleCurve({curve.tStart, curve.tEnd, curve.x, curve.y, curve.z}, parameters);
    SplineFit fit = fitSplineToSamples(samples, 0.002);
    controls = fit.curve->ControlPointCount();
    benchmark::DoNotOptimize(controls);
  }
  state.counters["controls"] = controls;
  setCurveLabel(state, curve);
}
BENCHMARK(BM_ComputationAlone)->DenseRange(0, kLastCurve)->Unit(benchmark::kMillisecond);

// A user's edit of z(t) in the open dialog until the status is readable. The edit alternates
// between two texts that muparser reads alike, so every round computes the same curve.
void BM_InputChangeToStatus(benchmark::State& state) {
  const Curve& curve = kCurves[state.range(0)];
  fsim::HostSession host;
  fsim::AddInLibrary addIn(VINTREL_ADDIN_PATH);
  addIn.run("");
  host.click(kWorkspaceId, kPanelId, kCommandId);
  host.setInputText(kXFunctionInputId, curve.x);
  host.setInputText(kYFunctionInputId, curve.y);
  host.setInputValue(kMinTValueInputId, curve.tStart);
  host.setInputValue(kMaxTValueInputId, curve.tEnd);
  const std::string texts[] = {curve.z, std::string(curve.z) + " "};
  std::string status;
  int round = 0;
  for (auto _ : state) {
    host.setInputText(kZFunctionInputId, texts[round++ & 1]);
    status = host.textBoxText(kStatusDisplayId);
    benchmark::DoNotOptimize(status.data());
  }
  host.cancel();
  addIn.stop("");
  state.SetLabel(status);
}
BENCHMARK(BM_InputChangeToStatus)->DenseRange(0, kLastCurve)->Unit(benchmark::kMillisecond);

// Opening the dialog, from the click to the first status, and closing it again: on nothing
// selected (a new curve with the default helix) and on a selected formula curve holding the same
// helix, whose definition is read and whose sketch's transform maps the preview.
void BM_OpenDialog(benchmark::State& state) {
  const bool onSelectedCurve = state.range(0) == 1;
  fsim::HostSession host;
  fsim::AddInLibrary addIn(VINTREL_ADDIN_PATH);
  addIn.run("");
  host.click(kWorkspaceId, kPanelId, kCommandId);
  host.confirm();  // Sketch1 holds the default helix with its definition
  std::string status;
  for (auto _ : state) {
    if (onSelectedCurve) host.selectSpline("Sketch1", 0);
    host.click(kWorkspaceId, kPanelId, kCommandId);
    status = host.textBoxText(kStatusDisplayId);
    benchmark::DoNotOptimize(status.data());
    host.cancel();
  }
  addIn.stop("");
  state.SetLabel(onSelectedCurve ? "on a selected formula curve" : "new curve");
}
BENCHMARK(BM_OpenDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

constexpr int kFollowedCurves = 200;
constexpr int kCurvesOnA = 20;

// 200 formula curves as a design file would hold them: the first 20 name the parameter "a", the
// others "b"; each is a helix of radius a or b.
void addFormulaCurves(fsim::HostSession& host) {
  host.addUserParameter("a", 1.0);
  host.addUserParameter("b", 2.0);
  const std::string sketch = host.addSketch(fsim::SketchPlane::XY);
  const fsim::NurbsData shape{1, false, false, {{0, 0, 0}, {1, 0, 0}}, {0, 0, 1, 1}};
  for (int i = 0; i < kFollowedCurves; ++i) {
    const std::string p = i < kCurvesOnA ? "a" : "b";
    const std::string value = i < kCurvesOnA ? "1" : "2";
    const std::string definition = "{\"format\":1,\"x\":\"" + p + " * cos(2 * pi * t)\",\"y\":\"" +
                                   p + " * sin(2 * pi * t)\",\"z\":\"t\",\"tStart\":0," +
                                   "\"tEnd\":1,\"parameters\":{\"" + p + "\":" + value + "}}";
    const std::size_t index = host.addSpline(sketch, shape);
    host.setSplineAttribute(sketch, index, {"Vintrel", "formulaCurve", definition});
  }
}

// The check after a command that changed no parameter: every definition read and compared.
void BM_FollowCheckNothingChanged(benchmark::State& state) {
  fsim::HostSession host;
  addFormulaCurves(host);
  fsim::AddInLibrary addIn(VINTREL_ADDIN_PATH);
  addIn.run("");
  host.changeParameters({{"a", 1.5}});  // the shapes now follow a and b once
  for (auto _ : state) host.playCommand("MeasureCommand", fsim::CommandEnd::Completed);
  addIn.stop("");
  state.counters["curves"] = kFollowedCurves;
}
BENCHMARK(BM_FollowCheckNothingChanged)->Unit(benchmark::kMillisecond);

// The check after the Parameters dialog changed "a": 20 curves refitted and replaced.
void BM_FollowUpdateOfTwentyCurves(benchmark::State& state) {
  fsim::HostSession host;
  addFormulaCurves(host);
  fsim::AddInLibrary addIn(VINTREL_ADDIN_PATH);
  addIn.run("");
  int round = 0;
  for (auto _ : state) host.changeParameters({{"a", (round++ & 1) ? 1.0 : 1.5}});
  addIn.stop("");
  state.counters["updated"] = kCurvesOnA;
}
BENCHMARK(BM_FollowUpdateOfTwentyCurves)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

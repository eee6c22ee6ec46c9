// The library of curves to start from: every preset is one a designer can pick in any unit and
// get a curve of the same size that fits within the unit's default tolerance; the first is the
// dialog's own default.
#include "curve/presets/curvePresets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "curve/fit/fitSplineToSamples.h"
#include "curve/formula/readNamedDefinitions.h"
#include "curve/presets/presetNamed.h"
#include "curve/presets/presetRequest.h"
#include "curve/presets/writePresetInputs.h"
#include "curve/sampling/sampleCurve.h"
#include "curve/status/FitStatus.h"
#include "dialog/CommandTexts.h"

using vintrel::curve::CurvePreset;
using vintrel::curve::curvePresets;
using vintrel::curve::CurveRequest;
using vintrel::curve::fitSplineToSamples;
using vintrel::curve::fitStatus;
using vintrel::curve::kBuiltInPi;
using vintrel::curve::lengthUnitNamed;
using vintrel::curve::NamedDefinition;
using vintrel::curve::ParameterTable;
using vintrel::curve::presetNamed;
using vintrel::curve::presetRequest;
using vintrel::curve::readNamedDefinitions;
using vintrel::curve::sampleCurve;
using vintrel::curve::SampledCurve;
using vintrel::curve::writePresetInputs;

namespace {

const ParameterTable kNoDesignParameters = {{"pi", kBuiltInPi}};

SampledCurve sampled(const CurvePreset& preset, const std::string& unit) {
  return sampleCurve(presetRequest(preset, *lengthUnitNamed(unit)), kNoDesignParameters);
}

TEST(CurvePresets, IdsAndLabelsAreUniqueAndNamedAsTold) {
  std::set<std::string> ids, labels;
  for (const CurvePreset& preset : curvePresets()) {
    EXPECT_TRUE(std::regex_match(preset.id, std::regex("[a-z0-9]+(-[a-z0-9]+)*"))) << preset.id;
    EXPECT_TRUE(ids.insert(preset.id).second) << preset.id;
    EXPECT_FALSE(preset.label.empty()) << preset.id;
    // The drop-down's first item keeps the inputs; no preset may take its place.
    EXPECT_NE(preset.label, vintrel::dialog::kCurrentInputsItem);
    EXPECT_TRUE(labels.insert(preset.label).second) << preset.label;
    EXPECT_EQ(presetNamed(preset.id), &preset);
  }
  for (const char* unknown : {"", "Helix", "helix ", "no-such-curve"}) {
    EXPECT_EQ(presetNamed(unknown), nullptr) << unknown;
  }
}

// Going back to the first preset gives the dialog's opening curve.
TEST(CurvePresets, FirstIsTheDialogsDefaultHelix) {
  namespace dialog = vintrel::dialog;
  const CurvePreset& first = curvePresets().front();
  EXPECT_EQ(first.id, "default-helix");
  EXPECT_EQ(first.label, "Default helix");
  const CurveRequest request = presetRequest(first, *lengthUnitNamed("mm"));
  EXPECT_EQ(request.definitions, "");
  EXPECT_EQ(request.xExpression, dialog::kDefaultXFunction);
  EXPECT_EQ(request.yExpression, dialog::kDefaultYFunction);
  EXPECT_EQ(request.zExpression, dialog::kDefaultZFunction);
  EXPECT_EQ(request.tStart, std::stod(dialog::kDefaultMinTValue));
  EXPECT_EQ(request.tEnd, std::stod(dialog::kDefaultMaxTValue));
  EXPECT_EQ(request.coordinates, vintrel::curve::Coordinates::Cartesian);
}

// The definitions text reads as the lengths, then the other definitions, each once.
TEST(CurvePresets, DefinitionsReadAsTheLengthsThenTheRest) {
  for (const CurvePreset& preset : curvePresets()) {
    const std::vector<NamedDefinition> read =
        readNamedDefinitions(writePresetInputs(preset, *lengthUnitNamed("in")).definitions);
    ASSERT_EQ(read.size(), preset.lengths.size() + preset.definitions.size()) << preset.id;
    for (std::size_t i = 0; i < read.size(); ++i) {
      const std::string expected = i < preset.lengths.size()
                                       ? preset.lengths[i].name
                                       : preset.definitions[i - preset.lengths.size()];
      EXPECT_EQ(expected.rfind(read[i].name, 0), 0u) << preset.id << ": " << expected;
      EXPECT_EQ(read[i].line, static_cast<int>(i) + 1) << preset.id;
    }
  }
}

// Every length of a preset is one of its lengths: written in centimetres it draws the very curve
// it draws in millimetres, a tenth of the numbers. A length typed as a bare number in a formula
// or a definition would draw the curve ten times too small. The default helix is the dialog's,
// whose plain numbers are in whatever unit is chosen.
TEST(CurvePresets, KeepsItsSizeInAnotherUnit) {
  for (const CurvePreset& preset : curvePresets()) {
    if (preset.id == "default-helix") continue;
    const SampledCurve millimetres = sampled(preset, "mm");
    const SampledCurve centimetres = sampled(preset, "cm");
    ASSERT_EQ(millimetres.samples.size(), centimetres.samples.size());
    double size = 0, worst = 0;
    for (std::size_t k = 0; k < millimetres.samples.size(); ++k) {
      const auto& a = millimetres.samples[k];
      const auto& b = centimetres.samples[k];
      size = std::max({size, std::abs(a.x), std::abs(a.y), std::abs(a.z)});
      worst = std::max(
          {worst, std::abs(a.x - 10 * b.x), std::abs(a.y - 10 * b.y), std::abs(a.z - 10 * b.z)});
    }
    EXPECT_LE(worst, 1e-12 * size) << preset.id;
  }
}

// The whole computation, as the dialog runs it, in millimetres, centimetres, inches and mils with
// each unit's default tolerance (0.002 cm to two digits: 0.002 / 2.54 = 0.00079 in,
// 0.002 / 0.00254 = 0.79 mil): every preset is a curve the fit follows within it.
TEST(CurvePresets, EveryPresetFitsWithinEachUnitsDefaultTolerance) {
  const std::pair<const char*, double> units[] = {
      {"mm", 0.02}, {"cm", 0.002}, {"in", 0.00079}, {"mil", 0.79}};
  for (const CurvePreset& preset : curvePresets()) {
    for (const auto& [unit, tolerance] : units) {
      CurveRequest request = presetRequest(preset, *lengthUnitNamed(unit));
      request.tolerance = tolerance;
      const SampledCurve curve = sampleCurve(request, kNoDesignParameters);
      const auto fit = fitSplineToSamples(curve, tolerance);
      EXPECT_TRUE(fit.toleranceMet) << preset.id << " in " << unit;
      EXPECT_FALSE(fitStatus(fit, curve, tolerance).largestDeviation)
          << preset.id << " in " << unit;
    }
  }
}

}  // namespace

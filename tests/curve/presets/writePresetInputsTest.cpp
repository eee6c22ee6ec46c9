// What picking a preset writes into the dialog: its lengths in the dialog's unit, short and exact
// where the unit allows, and the rest as the preset has it; and the request computed from that.
#include "curve/presets/writePresetInputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "curve/presets/presetLengthText.h"
#include "curve/presets/presetNamed.h"
#include "curve/presets/presetRequest.h"

using vintrel::curve::Coordinates;
using vintrel::curve::CurvePreset;
using vintrel::curve::CurveRequest;
using vintrel::curve::lengthUnitNamed;
using vintrel::curve::PresetInputs;
using vintrel::curve::presetLengthText;
using vintrel::curve::presetNamed;
using vintrel::curve::presetRequest;
using vintrel::curve::writePresetInputs;

namespace {

TEST(presetLengthText, WritesTheLengthInTheUnitToSixDigits) {
  const std::tuple<double, const char*, const char*> cases[] = {
      {20, "mm", "20"},
      {20, "cm", "2"},
      {1.5, "cm", "0.15"},
      {20, "m", "0.02"},
      {20, "\xC2\xB5m", "20000"},
      {0.05, "m", "5e-05"},
      {25.4, "in", "1"},
      {304.8, "ft", "1"},
      {914.4, "yd", "1"},
      {20, "in", "0.787402"},
      {1.5, "in", "0.0590551"},
      {20, "ft", "0.0656168"},
      {0.3, "cm", "0.03"},
      {123456789, "mm", "1.23457e+08"},
      // 1 mil = 0.0254 mm, 1 hm = 1e5 mm, 1 mi = 1609344 mm, 1 nmi = 1852000 mm
      {25.4, "mil", "1000"},
      {20, "mil", "787.402"},
      {5e4, "hm", "0.5"},
      {20, "hm", "0.0002"},
      {1609344, "mi", "1"},
      {20, "mi", "1.24274e-05"},
      {926000, "nmi", "0.5"},
      {20, "nmi", "1.07991e-05"}};
  for (const auto& [millimetres, unit, text] : cases) {
    EXPECT_EQ(presetLengthText(millimetres, *lengthUnitNamed(unit)), text)
        << millimetres << " mm in " << unit;
    // What is written reads back as the length, within half a unit of its sixth digit.
    const double back = std::stod(text) * lengthUnitNamed(unit)->centimetres * 10;
    EXPECT_NEAR(back, millimetres, 5e-6 * millimetres) << text;
  }
}

TEST(writePresetInputs, WritesTheLengthsInTheUnitBeforeTheOtherDefinitions) {
  const CurvePreset& helix = *presetNamed("helix");
  const std::pair<const char*, const char*> cases[] = {{"mm", "R = 20\npitch = 5\n"},
                                                       {"cm", "R = 2\npitch = 0.5\n"},
                                                       {"in", "R = 0.787402\npitch = 0.19685\n"}};
  for (const auto& [unit, lengths] : cases) {
    const PresetInputs inputs = writePresetInputs(helix, *lengthUnitNamed(unit));
    EXPECT_EQ(inputs.definitions, std::string(lengths) + "turns = 5\na = 2 * pi * turns * t")
        << unit;
    EXPECT_EQ(inputs.x, "R * cos(a)");
    EXPECT_EQ(inputs.tEnd, "1");
  }
  // Only lengths, or nothing at all, leave no separator behind.
  EXPECT_EQ(writePresetInputs(*presetNamed("trefoil"), *lengthUnitNamed("cm")).definitions,
            "a = 1");
  EXPECT_EQ(writePresetInputs(*presetNamed("default-helix"), *lengthUnitNamed("cm")).definitions,
            "");
}

TEST(presetRequest, EvaluatesTheTRangeAndKeepsTheUnitAndCoordinates) {
  const CurveRequest wave = presetRequest(*presetNamed("wave"), *lengthUnitNamed("mm"));
  EXPECT_EQ(wave.tStart, 0.0);
  EXPECT_EQ(wave.tEnd, 2 * 3.141592653589793);
  EXPECT_EQ(wave.unit.name, "mm");
  EXPECT_EQ(wave.coordinates, Coordinates::Cylindrical);
  EXPECT_EQ(wave.definitions, "r = 20\namp = 1.5\nwaves = 4");
  EXPECT_EQ(wave.xExpression, "r");
  EXPECT_EQ(wave.yExpression, "t");
  EXPECT_EQ(wave.zExpression, "amp * sin(waves * t)");
  EXPECT_EQ(presetRequest(*presetNamed("involute"), *lengthUnitNamed("cm")).tEnd, 1.2);
  EXPECT_EQ(presetRequest(*presetNamed("sphere"), *lengthUnitNamed("cm")).coordinates,
            Coordinates::Spherical);
}

}  // namespace

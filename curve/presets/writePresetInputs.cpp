#include "curve/presets/writePresetInputs.h"

#include "curve/presets/presetLengthText.h"

namespace vintrel::curve {

PresetInputs writePresetInputs(const CurvePreset& preset, const LengthUnit& unit) {
  PresetInputs inputs;
  const auto add = [&inputs](const std::string& definition) {
    inputs.definitions += (inputs.definitions.empty() ? "" : "\n") + definition;
  };
  for (const CurvePreset::Length& length : preset.lengths) {
    add(length.name + " = " + presetLengthText(length.millimetres, unit));
  }
  for (const std::string& definition : preset.definitions) add(definition);
  inputs.x = preset.x;
  inputs.y = preset.y;
  inputs.z = preset.z;
  inputs.tStart = preset.tStart;
  inputs.tEnd = preset.tEnd;
  inputs.coordinates = preset.coordinates;
  return inputs;
}

}  // namespace vintrel::curve

#include "tools/formats/writePresetListJson.h"

#include <nlohmann/json.hpp>

#include "curve/presets/curvePresets.h"
#include "curve/presets/writePresetInputs.h"

namespace sorvane {

void writePresetListJson(const vintrel::curve::LengthUnit& unit, std::ostream& out) {
  using Json = nlohmann::ordered_json;  // keys stay in the order they are written in
  Json presets = Json::array();
  for (const vintrel::curve::CurvePreset& preset : vintrel::curve::curvePresets()) {
    const vintrel::curve::PresetInputs inputs = vintrel::curve::writePresetInputs(preset, unit);
    presets.push_back({{"id", preset.id},
                       {"label", preset.label},
                       {"definitions", inputs.definitions},
                       {"x", inputs.x},
                       {"y", inputs.y},
                       {"z", inputs.z},
                       {"tStart", inputs.tStart},
                       {"tEnd", inputs.tEnd},
                       {"coordinates", vintrel::curve::coordinatesName(inputs.coordinates)}});
  }
  out << Json{{"unit", unit.name}, {"presets", presets}}.dump(2) << "\n";
}

}  // namespace sorvane

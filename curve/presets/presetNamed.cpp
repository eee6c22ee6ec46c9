#include "curve/presets/presetNamed.h"

#include "curve/presets/curvePresets.h"

namespace vintrel::curve {

const CurvePreset* presetNamed(const std::string& id) {
  for (const CurvePreset& preset : curvePresets()) {
    if (preset.id == id) return &preset;
  }
  return nullptr;
}

}  // namespace vintrel::curve

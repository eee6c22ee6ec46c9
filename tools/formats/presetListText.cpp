#include "tools/formats/presetListText.h"

#include <algorithm>

#include "curve/presets/curvePresets.h"

namespace sorvane {

std::string presetListText() {
  using vintrel::curve::CurvePreset;
  const std::vector<CurvePreset>& presets = vintrel::curve::curvePresets();
  std::size_t width = 0;
  for (const CurvePreset& preset : presets) width = std::max(width, preset.id.size());
  std::string text;
  for (const CurvePreset& preset : presets) {
    text += preset.id + std::string(width + 2 - preset.id.size(), ' ') + preset.label + "\n";
  }
  return text;
}

}  // namespace sorvane

// Finds a preset of the library by the id sorvane's --preset takes.
#pragma once

#include <string>

#include "curve/presets/CurvePreset.h"

namespace vintrel::curve {

/// The preset of curvePresets() whose id is `id`.
/// Exact comparison (case counts); nullptr when there is none. The pointer stays valid for the
/// whole run.
const CurvePreset* presetNamed(const std::string& id);

}  // namespace vintrel::curve

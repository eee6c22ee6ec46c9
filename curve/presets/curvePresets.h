// The library of curves a designer may start from, kept once: the dialog's "Start from"
// drop-down lists it, sorvane's --preset and --list-presets read it and the help page's formula
// library shows it.
#pragma once

#include <vector>

#include "curve/presets/CurvePreset.h"

namespace vintrel::curve {

/// Every preset, in the drop-down's order.
/// The first is the dialog's own default helix (id "default-helix", no definitions), so a
/// designer can always go back to it. Ids and labels are unique; each preset's definitions read
/// (readNamedDefinitions) and its formulas fit within the default tolerance of any unit.
const std::vector<CurvePreset>& curvePresets();

}  // namespace vintrel::curve

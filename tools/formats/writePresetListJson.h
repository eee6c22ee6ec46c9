// The library of curves as JSON, each preset with the texts the dialog's "Start from" drop-down
// writes for it in a unit: what sorvane's --list-presets --json gives scripts, such as the help
// page's check that its formula library is the add-in's.
#pragma once

#include <ostream>

#include "curve/formula/LengthUnit.h"

namespace sorvane {

/// Writes {"unit": <unit's name>, "presets": [...]} to `out`, indented by two spaces and followed
/// by a newline. Each preset of curvePresets(), in order, is an object with the keys "id",
/// "label", "definitions", "x", "y", "z", "tStart", "tEnd" (texts, as writePresetInputs writes
/// them in `unit`) and "coordinates" (by coordinatesName), in that order.
void writePresetListJson(const vintrel::curve::LengthUnit& unit, std::ostream& out);

}  // namespace sorvane

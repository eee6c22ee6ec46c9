// Turns a preset into the texts its inputs get in the dialog, its lengths written in the unit the
// dialog shows. The "Start from" drop-down and sorvane's preset listing use it.
#pragma once

#include "curve/formula/LengthUnit.h"
#include "curve/presets/CurvePreset.h"
#include "curve/presets/PresetInputs.h"

namespace vintrel::curve {

/// The dialog's inputs for `preset` with its lengths in `unit`.
/// The definitions are "<name> = <presetLengthText(millimetres, unit)>" for each length, then the
/// preset's other definitions as they are, one per line ("\n" between them, none after the
/// last; empty when there are none). The formulas, t texts and coordinates are the preset's.
PresetInputs writePresetInputs(const CurvePreset& preset, const LengthUnit& unit);

}  // namespace vintrel::curve

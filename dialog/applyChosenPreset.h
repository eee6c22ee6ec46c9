// Fills the dialog from the curve picked in its "Start from" drop-down: the preset's definitions
// (lengths in the dialog's unit), formulas, t range and coordinates. The live preview runs it
// before reading the inputs, so the pick is computed at once.
#pragma once

#include <Core/CoreAll.h>

namespace vintrel::dialog {

/// When the "Start from" drop-down (kStartFromInputId) has a preset selected: writes
/// writePresetInputs of that preset, in the unit the "Units" drop-down shows, into the
/// Definitions box, the chosen coordinates' three formula inputs, the two t inputs (as
/// expressions) and the Coordinates drop-down, then selects kCurrentInputsItem again, so that the
/// designer's later edits are kept and the same preset can be picked again. Nothing with
/// kCurrentInputsItem selected, or without the drop-down.
/// Throws hv::f360::NullObjectError when `inputs` is null or an input to fill is missing.
void applyChosenPreset(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs);

}  // namespace vintrel::dialog

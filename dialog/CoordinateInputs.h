// Which of the dialog's formula inputs belong to which coordinate system, and the names the
// "Coordinates" drop-down lists them by. The host cannot rename an input, so each formula has its
// own input with its own label and the dialog shows those of the chosen system.
#pragma once

#include <Core/CoreAll.h>

#include <array>
#include <optional>
#include <string>

#include "curve/formula/Coordinates.h"

namespace vintrel::dialog {

/// The IDs of the three formula inputs of `coordinates`, in the formulas' order.
std::array<const char*, 3> formulaInputIds(curve::Coordinates coordinates);

/// The "Coordinates" drop-down's item for `coordinates` (kCartesianItem ...).
const char* coordinatesItem(curve::Coordinates coordinates);

/// The system whose drop-down item is named `item`; none for another text.
std::optional<curve::Coordinates> coordinatesOfItem(const std::string& item);

/// The system selected in the "Coordinates" drop-down (kCoordinatesInputId).
/// Throws hv::f360::NullObjectError when `inputs` is null, lacks the drop-down or has no item
/// selected in it, and std::runtime_error "Coordinates: "<item>" is not a choice this add-in
/// knows" for an item that names no system.
curve::Coordinates chosenCoordinates(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs);

/// Shows the formula inputs of `coordinates` and hides the others; passes over one that is
/// missing. Throws hv::f360::NullObjectError when `inputs` is null.
void showFormulaInputs(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs,
                       curve::Coordinates coordinates);

}  // namespace vintrel::dialog

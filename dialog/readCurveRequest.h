// Reads the dialog's curve inputs as a CurveRequest: the t range, the formulas of the chosen
// coordinate system, the unit, the tolerance and whether the fit looks for the fewest controls.
// The live preview calls it on every update and the curve creation on OK; nothing is cached
// between calls.
#pragma once

#include <Core/CoreAll.h>

#include "curve/formula/CurveRequest.h"

namespace vintrel::dialog {

/// Reads the request in the order tStart (kMinTValueInputId), tEnd (kMaxTValueInputId), the
/// definitions (kDefinitionsInputId's plain text), the coordinate system (kCoordinatesInputId's
/// selected item), the three formulas of that system (formulaInputIds), the unit (kUnitsInputId's
/// selected item), the tolerance (kToleranceInputId, a number in that unit) and fewestControls
/// (kFewestControlsInputId ticked): the value inputs' numbers, the string inputs' texts as the
/// host gives them (a null text reads as empty), the drop-downs' selected items and the check
/// box's state (one the host does not tell reads as clear). Each value input is asked whether its
/// expression is valid before its value is read. Throws hv::f360::NullObjectError at the first
/// field whose input is missing or of another type, or whose drop-down has no item selected, or
/// when `inputs` is null; std::runtime_error "<label> is not a valid expression: type a number,
/// or ..." (kMinTValueLabel, kMaxTValueLabel or kToleranceLabel) at the first value input whose
/// expression the host finds invalid (or does not tell valid), and "<label>: "<item>" is not a
/// choice this add-in knows" for a selected item that names no unit or coordinate system.
curve::CurveRequest readCurveRequest(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs);

}  // namespace vintrel::dialog

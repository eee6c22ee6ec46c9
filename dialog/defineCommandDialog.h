// Builds the dialog of a newly created "Sorvane" command: its help page, its execute, destroy
// and preview handlers, its inputs with their defaults, and the first preview. The add-in's
// command-created handler calls it on every click of the button.
#pragma once

#include <Core/CoreAll.h>

#include "dialog/CurveEdit.h"
#include "graphics/CurvePreview.h"

namespace vintrel::dialog {

/// Empties `edit`, then does nothing more when `eventArgs` or its command is null. Otherwise
/// opens the selected formula curve, if any, into `edit` (openSelectedCurve), sets the help file
/// kHelpFile, attaches the three handlers (the host keeps only their addresses; the caller keeps
/// them alive), and, when the command has an input collection, creates the "Start from"
/// drop-down ("(current inputs)" and the presets' labels), the editable Definitions box, the
/// formula inputs (x(t) with ρ(t) and r(t) beside it, y(t) with θ(t), z(t) with φ(t)), the start
/// and end of t (no units), the read-only notification box kStatusDisplayId, the "Units"
/// drop-down, the "Tolerance" (a plain number in that unit), the "Fewest controls" check box and
/// the "Coordinates" drop-down, showing the formula inputs of the chosen coordinates only. They
/// hold the selected curve's stored inputs; for a new curve, those the design keeps of the last
/// curve made in it (rememberedInputs), else the defaults of CommandTexts.h in the design's
/// display unit (designLengthUnit) with kSplineTolerance in it to two significant digits and the
/// check box clear. Then runs updatePreview with `application`, `preview` and `edit`.
void defineCommandDialog(const adsk::core::Ptr<adsk::core::CommandCreatedEventArgs>& eventArgs,
                         adsk::core::CommandEventHandler* executeHandler,
                         adsk::core::CommandEventHandler* destroyHandler,
                         adsk::core::CommandEventHandler* previewHandler,
                         const adsk::core::Ptr<adsk::core::Application>& application,
                         CurvePreview& preview, CurveEdit& edit);

}  // namespace vintrel::dialog

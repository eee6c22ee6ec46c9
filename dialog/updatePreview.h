// The dialog's live preview: recomputes the curve from the current inputs, redraws it and writes
// the outcome (or the error) into the notification box. The dialog definition runs it once when
// the dialog opens and the add-in's preview handler on every preview the host asks for.
#pragma once

#include <Core/CoreAll.h>

#include "dialog/CurveEdit.h"
#include "graphics/CurvePreview.h"

namespace vintrel::dialog {

/// Takes the old preview away, computes the curve of the inputs with the parameters of
/// `application`'s design (computeDialogCurve), shows it in `preview` (previewCurve), and sets
/// the text box kStatusDisplayId to "N spline controls" (see statusText), followed by one line
/// for each design parameter that the formulas cannot use (hiddenParameterNotes). A standard
/// exception on the way is shown instead, by its what() text alone, and leaves no preview: what
/// was drawn before it is taken away again. `edit`'s note, if any, follows the count on a line of
/// its own, never an error.
/// Throws hv::f360::NullObjectError when `inputs` is null or the text box is missing (the curve
/// is drawn all the same in that case).
void updatePreview(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs,
                   const adsk::core::Ptr<adsk::core::Application>& application,
                   CurvePreview& preview, const CurveEdit& edit = CurveEdit{});

}  // namespace vintrel::dialog

// The dialog's live preview: recomputes the curve from the current inputs, redraws it and writes
// the outcome (or the error) into the notification box. The dialog definition runs it once when
// the dialog opens and the preview handler on every preview the host asks for.
#pragma once

#include <Core/CoreAll.h>

/// Removes the old preview, reads the inputs and the design's parameters, samples, fits and
/// draws the new preview, and sets the text box "vtlStatusDisplayID" to "N spline controls" (see
/// statusText). A standard exception on the way is shown instead, by its what() text, and leaves
/// no preview: what was drawn before it is removed again. Throws hv::f360::NullObjectError when
/// `inputs` is null or the text box is missing (the curve is drawn all the same in that case).
void updatePreview(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs);

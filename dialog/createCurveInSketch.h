// What OK does: computes the curve once more from the dialog's current values and adds it as a
// fixed spline to the sketch being edited, or to a new sketch on the root component's XY plane,
// or, when the dialog edits a formula curve, gives that spline the new shape. The curve goes in
// as computed, in the sketch's own space: the formulas' x and y lie in the sketch's plane and z
// along its normal. Its definition goes with it, as an attribute of the spline. The execute
// handler calls it; its failures go to that handler's wrapper.
#pragma once

#include <Core/CoreAll.h>

#include "dialog/CurveEdit.h"

namespace vintrel::dialog {

/// Computes the curve of the command's inputs (computeDialogCurve) as the host's curve and its
/// definition. Without `edit.spline`: adds one spline, and when no sketch is in edit one new
/// sketch on the root XY plane, to `application`'s active design, and stores the definition on it
/// (curvehost::storeCurveDefinition; a refused attribute is told in a message box, the spline
/// stays). With `edit.spline`: replaces that spline's shape and definition together
/// (curvehost::replaceFormulaCurve); any outcome but Done is told in a message box
/// (curvehost::replacementMessage).
/// Throws hv::f360::NullObjectError for missing event arguments, event or command, what
/// computeDialogCurve throws, hv::f360::NullObjectError for a curve the host refuses and
/// CurveDefinitionError for a definition that cannot be written; all these leave before any
/// sketch is found or made. Afterwards it throws hv::f360::NullObjectError for a missing design,
/// root component, sketch collection, sketch or curve collections; a sketch made before such a
/// failure stays. The host's answer to an added spline is not checked.
void createCurveInSketch(const adsk::core::Ptr<adsk::core::CommandEventArgs>& eventArgs,
                         const adsk::core::Ptr<adsk::core::Application>& application,
                         const CurveEdit& edit = CurveEdit{});

}  // namespace vintrel::dialog

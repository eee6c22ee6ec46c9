// What OK does: computes the curve once more from the dialog's current values and adds it as a
// fixed spline to the sketch being edited, or to a new sketch on the root component's XY plane,
// or, when the dialog edits a formula curve, gives that spline the new shape. The curve goes in
// as computed, in the sketch's own space: the formulas' x and y lie in the sketch's plane and z
// along its normal. Its definition goes with it, as an attribute of the spline. The execute
// handler calls it; its failures go to that handler's wrapper.
#pragma once

#include <Core/CoreAll.h>

#include "dialog/CurveEdit.h"

/// Without `edit.spline`: adds one spline, and when no sketch is in edit one new sketch, to
/// `application`'s active design, and stores the curve's definition on it (the attribute
/// kDefinitionGroup / kDefinitionName; a refused attribute is told in a message box, the spline
/// stays). With `edit.spline`: replaces that spline's geometry and then its definition; when the
/// host refuses either, the user is told in a message box and the spline keeps its old shape
/// and definition (should restoring the shape fail too, the message says so).
/// Throws hv::f360::NullObjectError for missing event arguments, event, command, inputs, fitted
/// curve, application, design, root component, sketch collection, sketch or curve collections,
/// sampleCurve's std::runtime_error for an expression that fails, a single point or a jump, and
/// CurveDefinitionError for a
/// definition too long to store; all leave before any sketch is found or made, except that a
/// sketch made before a later failure stays. The host's answer to an added spline is not checked.
void createCurveInSketch(const adsk::core::Ptr<adsk::core::CommandEventArgs>& eventArgs,
                         const adsk::core::Ptr<adsk::core::Application>& application,
                         const CurveEdit& edit = CurveEdit{});

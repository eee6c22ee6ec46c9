// What OK does: computes the curve once more from the dialog's current values and adds it as a
// fixed spline to the sketch being edited, or to a new sketch on the root component's XY plane.
// The execute handler calls it; its failures go to that handler's wrapper.
#pragma once

#include <Core/CoreAll.h>

/// Adds one spline, and when no sketch is in edit one new sketch, to `application`'s active
/// design.
/// Throws hv::f360::NullObjectError for missing event arguments, event, command, inputs, fitted
/// curve, application, design, root component, sketch collection, sketch or curve collections,
/// and sampleCurve's std::runtime_error for an expression that fails, a single point or a jump;
/// both leave before any sketch is found or made, except that a sketch made before a later
/// failure stays. The host's answer to the added spline is not checked.
void createCurveInSketch(const adsk::core::Ptr<adsk::core::CommandEventArgs>& eventArgs,
                         const adsk::core::Ptr<adsk::core::Application>& application);

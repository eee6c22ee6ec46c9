// Fits the sampled curve and draws it as the red preview through a new CustomGraphicsManager,
// which it keeps as the module-wide customGraphicsManager. updatePreview calls it after sampling.
#pragma once

#include "curve/SamplePoints.h"
#include "dialog/FitStatus.h"

/// Removes the previous preview, then, for a non-empty `samples`, adds the group
/// "vtlCustomGraphicsID", fits with the tolerance 0.002 and draws the curve in opaque red, 3
/// pixels wide, not selectable. Returns the curve's number of control points and, when no fit met
/// the tolerance, the accurately measured largest deviation if it exceeds the tolerance. Empty
/// `samples`: returns a count of 0 and draws nothing.
/// Throws hv::f360::NullObjectError when the application, design, group, curve, its control-point
/// count (0) or viewport is missing; a group already added then stays until the next preview or
/// the dialog's end.
FitStatus previewCurve(const SamplePoints& samples);

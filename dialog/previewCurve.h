// Shows a computed formula curve as the dialog's red preview, where OK will put it. updatePreview
// calls it after computing the curve; it needs the application to reach the sketch in edit, the
// active design and its viewport.
#pragma once

#include <Core/CoreAll.h>

#include "curve/computed/ComputedCurve.h"
#include "curve/status/FitStatus.h"
#include "dialog/CurveEdit.h"
#include "graphics/CurvePreview.h"

namespace vintrel::dialog {

/// Takes `preview`'s previous curve away, then shows `curve`'s fit in `preview` (see
/// CurvePreview::show). The fit is in the space of the formulas' sketch (formulaSketch: the
/// edited spline's, else the sketch in edit), if any: the fit is carried into model space by that
/// sketch's map into the model (hv::f360::sketchToModelMatrix, read once), its knots and degree
/// kept. Returns the fit's status (FormulaCurve::status).
/// Throws hv::f360::NullObjectError when `application` is null, the host does not map the
/// sketch's points into the model, refuses the curve or cannot give its control-point count (0),
/// and what CurvePreview::show throws; a group already added then stays until the next preview or
/// the dialog's end.
curve::FitStatus previewCurve(const curve::ComputedCurve& curve,
                              const adsk::core::Ptr<adsk::core::Application>& application,
                              CurvePreview& preview, const CurveEdit& edit = CurveEdit{});

}  // namespace vintrel::dialog

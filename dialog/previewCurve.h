// Fits the sampled curve and shows it as the dialog's red preview. updatePreview calls it after
// sampling; it needs the application only to reach the active design and its viewport.
#pragma once

#include <Core/CoreAll.h>

#include "curve/FitStatus.h"
#include "curve/SampledCurve.h"
#include "graphics/CurvePreview.h"

/// Takes `preview`'s previous curve away, then, for a curve with samples, fits with the
/// tolerance 0.002 and shows the fit in `preview` (see CurvePreview::show). Returns the fit's
/// status (fitStatus). No samples: returns a count of 0 and draws nothing.
/// Throws hv::f360::NullObjectError when the host refuses the curve or cannot give its
/// control-point count (0), and what CurvePreview::show throws; a group already added then stays
/// until the next preview or the dialog's end.
FitStatus previewCurve(const SampledCurve& sampled,
                       const adsk::core::Ptr<adsk::core::Application>& application,
                       CurvePreview& preview);

// The curve a preset describes, in a given unit, as the computation takes it: what the dialog
// computes right after the preset was picked, for callers that compute without a dialog.
#pragma once

#include "curve/formula/CurveRequest.h"
#include "curve/formula/LengthUnit.h"
#include "curve/presets/CurvePreset.h"

namespace vintrel::curve {

/// The request of writePresetInputs(preset, unit).
/// Its definitions, formulas and coordinates are those texts, its t range their t texts
/// evaluated with muparser (numbers and pi), its unit `unit` and its tolerance CurveRequest's
/// default (kSplineTolerance), which the caller sets for the unit. Throws ExpressionError when a
/// t text does not evaluate (no preset of curvePresets() has one).
CurveRequest presetRequest(const CurvePreset& preset, const LengthUnit& unit);

}  // namespace vintrel::curve

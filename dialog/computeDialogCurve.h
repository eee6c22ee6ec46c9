// The curve the dialog describes, computed: its inputs read afresh, the active design's parameters
// as constants, the curve sampled and fitted (curve::ComputedCurve). The live preview and the
// curve creation both start from it: the preview shows its fit and status, OK hands its NURBS
// curve and definition to the sketch.
#pragma once

#include <Core/CoreAll.h>

#include <string>
#include <vector>

#include "curve/computed/ComputedCurve.h"

namespace vintrel::dialog {

/// The computed curve, and what the design's parameters give the designer to know about it.
struct DialogCurve {
  curve::ComputedCurve curve;
  /// hiddenParameterNotes of the design's parameters: one line per parameter the formulas
  /// cannot use as the design means it.
  std::vector<std::string> notes;
};

/// Reads the request from `inputs` (readCurveRequest) and the parameters of `application`'s
/// active design (readDesignParameters), in that order, then computes the curve
/// (curve::ComputedCurve) and the notes. Asks the host for nothing after the parameters.
/// Throws what they throw: hv::f360::NullObjectError for a missing input, application, design,
/// parameter list or parameter, std::runtime_error for a t input whose expression is invalid, a
/// t end that is not finite or a t range too wide, an expression that fails, a value that is not
/// finite, a single point, a jump or a coordinate too large to fit.
DialogCurve computeDialogCurve(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs,
                               const adsk::core::Ptr<adsk::core::Application>& application);

}  // namespace vintrel::dialog

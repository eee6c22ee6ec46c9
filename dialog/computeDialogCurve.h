// The curve the dialog describes, as sample points: its inputs read afresh, the active design's
// parameters as constants, 2049 samples and the midpoints between them. The live preview and the
// curve creation both start from it and fit what it returns.
#pragma once

#include <Core/CoreAll.h>

#include <string>
#include <vector>

#include "curve/sampling/SampledCurve.h"

/// The sampled curve, and what the design's parameters give the designer to know about it.
struct DialogCurve {
  SampledCurve sampled;
  /// hiddenParameterNotes of the design's parameters: one line per parameter the formulas
  /// cannot use as the design means it.
  std::vector<std::string> notes;
};

/// Reads the request from `inputs` (readCurveRequest), the parameters of `application`'s active
/// design (readDesignParameters) and samples the curve (sampleCurve), in that order.
/// Throws what they throw: hv::f360::NullObjectError for a missing input, application, design or
/// parameter, std::runtime_error for an expression that fails, a value that is not finite, a
/// single point or a jump.
DialogCurve sampleDialogCurve(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs,
                              const adsk::core::Ptr<adsk::core::Application>& application);

// The curve the dialog describes, as sample points: its inputs read afresh, the active design's
// parameters as constants, 2049 samples. The live preview and the curve creation both start from
// it and fit what it returns.
#pragma once

#include <Core/CoreAll.h>

#include "curve/SamplePoints.h"

/// Reads the request from `inputs` (readCurveRequest), the parameters of `application`'s active
/// design (readDesignParameters) and samples the curve (sampleCurve), in that order.
/// Throws what they throw: hv::f360::NullObjectError for a missing input, application, design or
/// parameter, std::runtime_error for an expression that fails or a value that is not finite.
SamplePoints sampleDialogCurve(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs,
                               const adsk::core::Ptr<adsk::core::Application>& application);

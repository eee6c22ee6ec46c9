// Reads the dialog's five curve inputs as a CurveRequest. The live preview calls it on every
// update and the curve creation on OK; nothing is cached between calls.
#pragma once

#include <Core/CoreAll.h>

#include "curve/formula/CurveRequest.h"

namespace vintrel::dialog {

/// Reads the request in the order tStart (kMinTValueInputId), tEnd (kMaxTValueInputId),
/// xExpression, yExpression, zExpression (kXFunctionInputId ...): the value inputs' numbers and
/// the string inputs' texts as the host gives them (a null text reads as empty). Each value input
/// is asked whether its expression is valid before its value is read.
/// Throws hv::f360::NullObjectError at the first field whose input is missing or of another
/// type, or when `inputs` is null; std::runtime_error "<label> is not a valid expression: type a
/// number, or ..." (kMinTValueLabel or kMaxTValueLabel) at the first value input whose expression
/// the host finds invalid (or does not tell valid).
curve::CurveRequest readCurveRequest(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs);

}  // namespace vintrel::dialog

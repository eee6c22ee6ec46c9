// Refuses a tolerance no curve should be fitted with, before anything is computed with it: the
// dialog's "Tolerance" input and a stored curve's both pass here.
#pragma once

#include "curve/formula/LengthUnit.h"

namespace vintrel::curve {

/// Nothing when `tolerance` (in `unit`) lies from kSmallestTolerance to kLargestTolerance
/// centimetres. Throws std::runtime_error "Tolerance must be a number from <smallest> to
/// <largest> <unit>; it is <tolerance>" otherwise (a NaN, zero or a negative value included), the
/// bounds in `unit` to three significant digits, rounded inwards so that each, typed as shown, is
/// accepted (3.937 in reads 3.93), and the value in its shortest form.
void checkTolerance(double tolerance, const LengthUnit& unit);

}  // namespace vintrel::curve

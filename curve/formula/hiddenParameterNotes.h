// Tells the designer about design parameters that the formulas cannot use as the design means
// them, because their names are taken by the curve's own t and pi. The live preview adds these
// lines to the notification box under the count.
#pragma once

#include <string>
#include <vector>

#include "curve/formula/ParameterTable.h"

namespace vintrel::curve {

/// One line per such parameter of `parameters` (a table as readDesignParameters builds it), in
/// this order:
///  - "The design parameter \"pi\" (<value>) replaces the constant pi in the formulas; rename it
///    to keep pi = 3.141593." when "pi" holds another value than kBuiltInPi (a design parameter
///    of that name with the very value of pi changes nothing and goes unmentioned);
///  - "The design parameter \"t\" is hidden by the curve's t; rename it to use it in a formula."
///    when the table holds "t".
/// Empty when there is nothing to tell.
std::vector<std::string> hiddenParameterNotes(const ParameterTable& parameters);

}  // namespace vintrel::curve

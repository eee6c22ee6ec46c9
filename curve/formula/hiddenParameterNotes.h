// Tells the designer about design parameters that the formulas cannot use as the design means
// them, because their names are taken by the curve's own t and pi or by the curve's definitions.
// The live preview adds these lines to the notification box under the count.
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
///    when the table holds "t";
///  - for each definition of `definitions` (CurveRequest::definitions) named as a parameter, in
///    their order: "The design parameter \"<name>\" is hidden by the definition of <name>; rename
///    one of them to use the parameter." (none for a text readNamedDefinitions refuses: its error
///    shows instead).
/// Empty when there is nothing to tell.
std::vector<std::string> hiddenParameterNotes(const ParameterTable& parameters,
                                              const std::string& definitions = std::string());

}  // namespace vintrel::curve

// The shortest decimal text of a double that reads back as the same double ("0.25", "1e+308",
// "nan"). The sampler and the fit put such numbers into the messages the dialog shows.
#pragma once

#include <string>

namespace vintrel::curve {

/// The shortest text that reads back as `value`, in the classic locale whatever the process's.
std::string shortestText(double value);

}  // namespace vintrel::curve

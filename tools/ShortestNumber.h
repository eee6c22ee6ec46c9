// Formats a double in the shortest decimal form that reads back to the same double. The JSON and
// DXF writers use it so that a reader gets the host's numbers bit for bit; the picture uses it for
// labels.
#pragma once

#include <string>

namespace sorvane {

/// The shortest text that strtod reads back as exactly `value`, in the form std::to_chars picks
/// ("3", "0.1", "1e-07", "-2.5"); "inf", "-inf" or "nan" for values that are not finite.
std::string shortestNumber(double value);

}  // namespace sorvane

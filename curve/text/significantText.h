// A double rounded for a person to read ("0.5", "1.234568e+07"), where the exact shortest text
// (shortestText) would show rounding noise. The sampler's messages about jumps and single points
// show the curve's values this way.
#pragma once

#include <string>

namespace vintrel::curve {

/// `value` to `digits` significant digits (1 to 17) without trailing zeros, as printf's %g writes
/// it, in the classic locale whatever the process's.
std::string significantText(double value, int digits);

}  // namespace vintrel::curve

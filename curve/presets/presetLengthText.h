// Writes a preset's length in the unit the dialog shows, as short as the length allows: 20 mm is
// "20" in mm and "2" in cm, and "0.787402" in inches.
#pragma once

#include <string>

#include "curve/formula/LengthUnit.h"

namespace vintrel::curve {

/// `millimetres` in `unit`, to six significant digits without trailing zeros.
/// The value is converted exactly where the unit is metric or the nautical mile (inCentimetres,
/// then inUnit), so a length with six or fewer digits in `unit` reads exactly ("2" for 20 mm in
/// cm, "20000" in µm); other lengths are rounded to six significant digits ("0.787402" for 20 mm
/// in inches), within five parts in a million. Written as printf's %g writes it, in the classic
/// locale: tiny and huge values take an exponent ("5e-05"), which muparser reads.
std::string presetLengthText(double millimetres, const LengthUnit& unit);

}  // namespace vintrel::curve

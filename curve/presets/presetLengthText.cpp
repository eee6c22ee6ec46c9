#include "curve/presets/presetLengthText.h"

#include "curve/text/significantText.h"

namespace vintrel::curve {

namespace {

// Six digits keep a rounded length within five parts in a million, far inside any tolerance the
// dialog takes, and short enough to read and to type over.
constexpr int kDigits = 6;

}  // namespace

std::string presetLengthText(double millimetres, const LengthUnit& unit) {
  const LengthUnit millimetre = *lengthUnitNamed("mm");
  return significantText(inUnit(inCentimetres(millimetres, millimetre), unit), kDigits);
}

}  // namespace vintrel::curve

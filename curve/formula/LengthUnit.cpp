#include "curve/formula/LengthUnit.h"

#include <algorithm>

namespace vintrel::curve {

const std::vector<LengthUnit>& lengthUnits() {
  // The inch is 2.54 cm exactly, the foot 12 inches and the yard 3 feet.
  static const std::vector<LengthUnit> units = {{"mm", 0.1},         {"cm", 1.0},  {"m", 100.0},
                                                {"\xC2\xB5m", 1e-4}, {"in", 2.54}, {"ft", 30.48},
                                                {"yd", 91.44}};
  return units;
}

const LengthUnit& centimetreUnit() {
  static const LengthUnit unit = *lengthUnitNamed("cm");
  return unit;
}

std::optional<LengthUnit> lengthUnitNamed(const std::string& name) {
  const std::vector<LengthUnit>& units = lengthUnits();
  const auto found = std::find_if(units.begin(), units.end(),
                                  [&name](const LengthUnit& unit) { return unit.name == name; });
  if (found == units.end()) return std::nullopt;
  return *found;
}

// Division by the unit's size: 0.5 cm reads 5 mm exactly, where multiplying by a rounded tenth
// would not.
double inUnit(double centimetres, const LengthUnit& unit) { return centimetres / unit.centimetres; }

double inCentimetres(double length, const LengthUnit& unit) { return length * unit.centimetres; }

}  // namespace vintrel::curve

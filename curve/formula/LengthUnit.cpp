#include "curve/formula/LengthUnit.h"

#include <algorithm>

namespace vintrel::curve {

const std::vector<LengthUnit>& lengthUnits() {
  // The inch is 2.54 cm exactly, the foot 12 inches and the yard 3 feet.
  static const std::vector<LengthUnit> units = {
      {"mm", 0.1, 10.0},         {"cm", 1.0, 1.0},         {"m", 100.0, 0.01},
      {"\xC2\xB5m", 1e-4, 1e4},  {"in", 2.54, 1.0 / 2.54}, {"ft", 30.48, 1.0 / 30.48},
      {"yd", 91.44, 1.0 / 91.44}};
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

// Of a unit's size and its reciprocal, one is exact (10 per cm, 100 cm, 2.54 cm, ...); an
// operation with the exact one rounds once, so 0.6 cm reads 6 mm where dividing by the rounded
// tenth gives 5.999999999999999.
double inUnit(double centimetres, const LengthUnit& unit) {
  return unit.centimetres < 1.0 ? centimetres * unit.perCentimetre : centimetres / unit.centimetres;
}

double inCentimetres(double length, const LengthUnit& unit) {
  return unit.centimetres < 1.0 ? length / unit.perCentimetre : length * unit.centimetres;
}

}  // namespace vintrel::curve

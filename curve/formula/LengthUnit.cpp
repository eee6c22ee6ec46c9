#include "curve/formula/LengthUnit.h"

#include <algorithm>

namespace vintrel::curve {

namespace {

// A unit whose size in centimetres is a short exact decimal (2.54 cm to the inch).
LengthUnit ofSize(const char* name, double centimetres) {
  return {name, centimetres, 1.0 / centimetres, false};
}

// A unit of which a centimetre holds a whole number (10 mm).
LengthUnit ofCount(const char* name, double perCentimetre) {
  return {name, 1.0 / perCentimetre, perCentimetre, true};
}

}  // namespace

const std::vector<LengthUnit>& lengthUnits() {
  // The inch is 2.54 cm exactly, the foot 12 inches, the yard 3 feet, the mile 1760 yards and
  // the mil a thousandth of an inch; the nautical mile is 1852 m.
  static const std::vector<LengthUnit> units = {
      ofCount("mm", 10.0),    ofSize("cm", 1.0),      ofSize("m", 100.0),        ofSize("in", 2.54),
      ofSize("ft", 30.48),    ofSize("yd", 91.44),    ofCount("\xC2\xB5m", 1e4), ofSize("hm", 1e4),
      ofSize("mi", 160934.4), ofSize("mil", 0.00254), ofSize("nmi", 185200.0)};
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

// Of a unit's size and its reciprocal, one is an exact decimal (10 per cm, 100 cm, 2.54 cm,
// 0.00254 cm, ...); one operation with it rounds once where that decimal is a double, so 0.6 cm
// reads 6 mm where dividing by the rounded tenth gives 5.999999999999999.
double inUnit(double centimetres, const LengthUnit& unit) {
  return unit.countsPerCentimetre ? centimetres * unit.perCentimetre
                                  : centimetres / unit.centimetres;
}

double inCentimetres(double length, const LengthUnit& unit) {
  return unit.countsPerCentimetre ? length / unit.perCentimetre : length * unit.centimetres;
}

}  // namespace vintrel::curve

// The units the simulated host knows: lengths and angles, each with its size in internal units
// (cm for lengths, radians for angles), and the unitless "". Value inputs, parameters and the units
// manager all read unit texts here.
#pragma once

#include <cmath>
#include <optional>
#include <string>

namespace fsim {

/// The unit text that stands for the design's default length unit.
constexpr char kDefaultDistance[] = "DefaultDistance";

enum class UnitKind { Unitless, Length, Angle };

/// One unit: its kind, the text the host writes for it and its size in internal units.
struct Unit {
  UnitKind kind;
  const char* text;
  double internal;
};

/// The unit written `name`: "" (unitless), "mm", "cm", "m", "um" or "micron", "in", "ft", "yd",
/// "hm", "mi", "mil", "nmi", "deg", "rad"; exact and case-sensitive. None for any other text.
std::optional<Unit> unitNamed(const std::string& name);

/// The internal unit of kind: "cm", "rad" or the unitless "".
Unit internalUnit(UnitKind kind);

/// How many of unit make one internal unit, when that is a whole number (10 mm to the cm): the
/// exact side of the conversion, which then rounds once. Zero for larger or odd units.
inline double wholeUnitsPerInternal(const Unit& unit) {
  const double per = 1.0 / unit.internal;
  return unit.internal < 1.0 && std::nearbyint(per) == per ? per : 0.0;
}

/// `value` in unit as internal units: 3 mm is 0.3 cm, not 0.30000000000000004.
inline double toInternal(double value, const Unit& unit) {
  const double per = wholeUnitsPerInternal(unit);
  return per != 0.0 ? value / per : value * unit.internal;
}

/// `internal` (in internal units) in unit: 0.3 cm reads 3 mm, not 2.9999999999999996.
inline double fromInternal(double internal, const Unit& unit) {
  const double per = wholeUnitsPerInternal(unit);
  return per != 0.0 ? internal * per : internal / unit.internal;
}

}  // namespace fsim

// The units the simulated host knows: lengths and angles, each with its size in internal units
// (cm for lengths, radians for angles), and the unitless "". Value inputs, parameters and the units
// manager all read unit texts here.
#pragma once

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
/// "deg", "rad"; exact and case-sensitive. None for any other text.
std::optional<Unit> unitNamed(const std::string& name);

/// The internal unit of kind: "cm", "rad" or the unitless "".
Unit internalUnit(UnitKind kind);

/// `value` in unit as internal units.
inline double toInternal(double value, const Unit& unit) { return value * unit.internal; }

/// `internal` (in internal units) in unit. A division, so that 0.5 cm reads 5 mm exactly where a
/// multiplication by a rounded tenth would not.
inline double fromInternal(double internal, const Unit& unit) { return internal / unit.internal; }

}  // namespace fsim

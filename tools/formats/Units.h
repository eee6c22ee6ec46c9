// The units sorvane reads: a design's and the dialog's length unit, by the names the dialog lists
// (with "um" for "µm", which not every keyboard types), and a parameter's unit, written as the
// host writes Parameter::unit. The command line, the design file and the session player share
// them.
#pragma once

#include <optional>
#include <string>

#include "curve/formula/LengthUnit.h"

namespace sorvane {

/// The length units as a sentence lists them, for messages and the help.
constexpr char kLengthUnitList[] = "mm, cm, m, in, ft, yd, \xC2\xB5m (or um), hm, mi, mil or nmi";
/// The units a parameter may have, likewise.
constexpr char kParameterUnitList[] =
    "mm, cm, m, in, ft, yd, \xC2\xB5m (or um), hm, mi, mil, nmi, deg or rad";

/// The length unit named as the dialog lists it ("mm", "cm", "m", "in", "ft", "yd", "µm", "hm",
/// "mi", "mil", "nmi"), or "um" for "µm"; none for any other text.
std::optional<vintrel::curve::LengthUnit> lengthUnitOf(const std::string& name);

/// The host's text for a length unit: its name, and "um" for "µm".
std::string hostUnitText(const vintrel::curve::LengthUnit& unit);

/// What a parameter's unit measures.
enum class UnitKind { None, Length, Angle };

/// The host's text for a parameter's unit written `name`: "" for none, a length unit (as
/// lengthUnitOf reads it; "um" for the micrometre), "deg" or "rad"; none for any other text.
std::optional<std::string> parameterUnitOf(const std::string& name);

/// The kind of a unit parameterUnitOf gives; None for "" and any text it does not give.
UnitKind unitKind(const std::string& hostUnit);

/// `number` in `hostUnit` in the host's internal units, as the host converts what is typed:
/// centimetres for a length, radians for an angle, `number` itself without a unit.
double inInternalUnits(double number, const std::string& hostUnit);

/// A parameter's value as typed: NAME=VALUE[UNIT].
struct ParameterSetting {
  std::string name;
  double number = 0;
  std::string unit;  ///< the host's text for the unit typed after the number; "" for none

  bool operator==(const ParameterSetting& other) const {
    return name == other.name && number == other.number && unit == other.unit;
  }
};

}  // namespace sorvane

#include "tools/formats/Units.h"

#include <cmath>

using vintrel::curve::inCentimetres;
using vintrel::curve::LengthUnit;
using vintrel::curve::lengthUnitNamed;

namespace sorvane {

namespace {

constexpr char kMicrometre[] = "\xC2\xB5m";
constexpr char kMicrometreText[] = "um";

}  // namespace

std::optional<LengthUnit> lengthUnitOf(const std::string& name) {
  return lengthUnitNamed(name == kMicrometreText ? kMicrometre : name);
}

std::string hostUnitText(const LengthUnit& unit) {
  return unit.name == kMicrometre ? kMicrometreText : unit.name;
}

std::optional<std::string> parameterUnitOf(const std::string& name) {
  if (name.empty() || name == "deg" || name == "rad") return name;
  const std::optional<LengthUnit> length = lengthUnitOf(name);
  if (!length) return std::nullopt;
  return hostUnitText(*length);
}

UnitKind unitKind(const std::string& hostUnit) {
  if (hostUnit == "deg" || hostUnit == "rad") return UnitKind::Angle;
  return !hostUnit.empty() && lengthUnitOf(hostUnit) ? UnitKind::Length : UnitKind::None;
}

double inInternalUnits(double number, const std::string& hostUnit) {
  if (hostUnit == "deg") return number * (M_PI / 180.0);
  const std::optional<LengthUnit> length = lengthUnitOf(hostUnit);
  return length ? inCentimetres(number, *length) : number;
}

}  // namespace sorvane

// The table of units.
#include "host/sim/Units.h"

#include <cmath>
#include <map>

namespace fsim {

std::optional<Unit> unitNamed(const std::string& name) {
  static const std::map<std::string, Unit> table = {
      {"", {UnitKind::Unitless, "", 1.0}},          {"mm", {UnitKind::Length, "mm", 0.1}},
      {"cm", {UnitKind::Length, "cm", 1.0}},        {"m", {UnitKind::Length, "m", 100.0}},
      {"um", {UnitKind::Length, "um", 1e-4}},       {"micron", {UnitKind::Length, "um", 1e-4}},
      {"in", {UnitKind::Length, "in", 2.54}},       {"ft", {UnitKind::Length, "ft", 30.48}},
      {"yd", {UnitKind::Length, "yd", 91.44}},      {"hm", {UnitKind::Length, "hm", 1e4}},
      {"mi", {UnitKind::Length, "mi", 160934.4}},   {"mil", {UnitKind::Length, "mil", 0.00254}},
      {"nmi", {UnitKind::Length, "nmi", 185200.0}}, {"deg", {UnitKind::Angle, "deg", M_PI / 180.0}},
      {"rad", {UnitKind::Angle, "rad", 1.0}},
  };
  auto found = table.find(name);
  if (found == table.end()) return std::nullopt;
  return found->second;
}

Unit internalUnit(UnitKind kind) {
  switch (kind) {
    case UnitKind::Length:
      return *unitNamed("cm");
    case UnitKind::Angle:
      return *unitNamed("rad");
    case UnitKind::Unitless:
      break;
  }
  return *unitNamed("");
}

}  // namespace fsim

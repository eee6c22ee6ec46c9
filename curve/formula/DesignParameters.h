// The design's numeric parameters as the host keeps them (lengths in centimetres, angles in
// radians, other units in the host's internal units), with the names of those that are lengths.
// A curve's formulas read the lengths in the curve's own unit, so the same design gives each unit
// its own table of constants.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "curve/formula/LengthUnit.h"
#include "curve/formula/ParameterTable.h"

namespace vintrel::curve {

/// One numeric parameter of a design as the host lists it.
struct DesignParameterRow {
  std::string name;
  double value = 0.0;     ///< in the host's internal units
  bool isLength = false;  ///< its unit is a length (the host converts it into centimetres)
};

/// The constants a design offers the formulas, before a unit is chosen.
struct DesignParameters {
  /// "pi" and every numeric parameter, in the host's internal units.
  ParameterTable values;
  /// The names among `values` whose parameters have a length unit.
  std::set<std::string> lengths;

  /// The constants of a design whose numeric parameters the host lists as `rows`: "pi", then
  /// each row's value by its name, a later row of a name replacing an earlier one (a design
  /// parameter called "pi" replaces the built-in).
  static DesignParameters fromRows(const std::vector<DesignParameterRow>& rows);

  /// `values` with every length in `unit` (inUnit) and the rest as they are: the constants of a
  /// curve in `unit`. The very table for centimetres.
  ParameterTable inUnit(const LengthUnit& unit) const;

  bool operator==(const DesignParameters& other) const {
    return values == other.values && lengths == other.lengths;
  }
  bool operator!=(const DesignParameters& other) const { return !(*this == other); }
};

}  // namespace vintrel::curve

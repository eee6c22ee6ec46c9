// The lengths a designer may write formulas in: the host's length units, each with its name as the
// dialog lists it and its size in the host's internal centimetres. The curve is computed in the
// chosen unit, so its messages speak it; the host receives the spline scaled to centimetres.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vintrel::curve {

/// One length unit.
struct LengthUnit {
  std::string name;            ///< as listed: "mm", "cm", "m", "in", "ft", "yd", "µm", "hm",
                               ///< "mi", "mil" or "nmi"
  double centimetres = 1.0;    ///< one unit in centimetres
  double perCentimetre = 1.0;  ///< units in one centimetre
  /// Whether the exact decimal of the two is perCentimetre (10 mm to the cm) rather than
  /// centimetres (2.54 cm to the inch): the one the conversions multiply or divide by.
  bool countsPerCentimetre = false;
};

/// Every unit, in the order of the host's DistanceUnits, which the dialog lists: mm, cm, m, in,
/// ft, yd, µm, hm, mi, mil (a thousandth of an inch), nmi (the nautical mile).
const std::vector<LengthUnit>& lengthUnits();

/// The host's internal unit, which formulas use unless told otherwise.
const LengthUnit& centimetreUnit();

/// The unit of that name, exactly as listed (case and the micro sign count); none for another
/// text.
std::optional<LengthUnit> lengthUnitNamed(const std::string& name);

/// `centimetres` (a length in the host's internal unit) in `unit`, with one operation by the
/// unit's exact decimal size, so correctly rounded where that size is a double (6 mm, kept as
/// 0.6 cm, reads 6); exactly `centimetres` for centimetres.
double inUnit(double centimetres, const LengthUnit& unit);

/// `length` in `unit` as centimetres, with one operation by the unit's exact decimal size, so
/// correctly rounded where that size is a double; exactly `length` for centimetres.
double inCentimetres(double length, const LengthUnit& unit);

}  // namespace vintrel::curve

// The simulated units managers.
#include "host/sim/SimUnitsManager.h"

#include <cmath>
#include <cstdlib>

#include "host/sim/Host.h"
#include "host/sim/HostArrays.h"
#include "host/sim/ValueExpression.h"

namespace fsim {

namespace {

constexpr char kInternalUnits[] = "internalUnits";

// LengthUnitChoice follows DistanceUnits' order, which the casts below rely on.
static_assert(static_cast<int>(LengthUnitChoice::Micron) == adsk::fusion::MicronDistanceUnits &&
              static_cast<int>(LengthUnitChoice::NauticalMile) ==
                  adsk::fusion::NauticalMileDistanceUnits);

}  // namespace

void recordExpressionError(const char* operation, const std::string& why) {
  if (Host* host = Host::current()) host->recordFailure(operation, "ExpressionError: " + why);
}

template <class Api>
std::string SimUnitsManagerOf<Api>::resolved(const char* units) const {
  if (!units) return "";
  return std::string(units) == kDefaultDistance ? lengthUnitText(lengthUnit_) : units;
}

template <class Api>
std::optional<Unit> SimUnitsManagerOf<Api>::knownUnit(const char* operation,
                                                      const char* units) const {
  const std::optional<Unit> unit = units ? unitNamed(resolved(units)) : std::nullopt;
  if (!unit) recordExpressionError(operation, "unknown unit '" + resolved(units) + "'");
  return unit;
}

template <class Api>
adsk::core::Product* SimUnitsManagerOf<Api>::product_raw() const {
  if (this->refused("UnitsManager.product")) return nullptr;
  return handOutAs<adsk::core::Product>(product().get());
}

template <class Api>
bool SimUnitsManagerOf<Api>::isValidExpression_raw(const char* expression,
                                                   const char* units) const {
  if (this->refused("UnitsManager.isValidExpression") || !expression || !units) return false;
  double value = 0;
  return evaluateInDesign(expression, resolved(units), value);
}

template <class Api>
double SimUnitsManagerOf<Api>::evaluateExpression_raw(const char* expression,
                                                      const char* units) const {
  const char* operation = "UnitsManager.evaluateExpression";
  if (this->refused(operation)) return -1;
  if (!expression || !knownUnit(operation, units)) return -1;
  double value = 0;
  if (!evaluateInDesign(expression, resolved(units), value)) {
    recordExpressionError(operation, "cannot evaluate '" + std::string(expression) + "'");
    return -1;
  }
  return value;
}

template <class Api>
double SimUnitsManagerOf<Api>::convert_raw(double valueInInputUnits, const char* inputUnits,
                                           const char* outputUnits) const {
  const char* operation = "UnitsManager.convert";
  if (this->refused(operation) || !inputUnits || !outputUnits) return -1;
  const std::string from = resolved(inputUnits), to = resolved(outputUnits);
  // "internalUnits" is the internal unit of the other side's kind.
  std::optional<Unit> fromUnit, toUnit;
  if (from != kInternalUnits && !(fromUnit = knownUnit(operation, inputUnits))) return -1;
  if (to != kInternalUnits && !(toUnit = knownUnit(operation, outputUnits))) return -1;
  if (!fromUnit && !toUnit) return valueInInputUnits;
  if (!fromUnit) fromUnit = internalUnit(toUnit->kind);
  if (!toUnit) toUnit = internalUnit(fromUnit->kind);
  if (fromUnit->kind != toUnit->kind) {
    recordExpressionError(operation, "cannot convert '" + from + "' to '" + to + "'");
    return -1;
  }
  const double value = fromInternal(toInternal(valueInInputUnits, *fromUnit), *toUnit);
  if (!std::isfinite(value)) {
    recordExpressionError(operation, "the value is not finite");
    return -1;
  }
  return value;
}

template <class Api>
char* SimUnitsManagerOf<Api>::formatInternalValue_raw(double internalValue,
                                                      const char* displayUnits,
                                                      bool showUnits) const {
  const char* operation = "UnitsManager.formatInternalValue";
  if (this->refused(operation)) return nullptr;
  const std::optional<Unit> unit = knownUnit(operation, displayUnits);
  if (!unit) return nullptr;
  // The host rounds to the user's display precision; the simulated host writes every digit.
  const std::string number = numberText(fromInternal(internalValue, *unit));
  return newHostString(showUnits && *unit->text ? number + " " + unit->text : number);
}

template <class Api>
char* SimUnitsManagerOf<Api>::formatUnits_raw(const char* units) const {
  const char* operation = "UnitsManager.formatUnits";
  if (this->refused(operation)) return nullptr;
  const std::optional<Unit> unit = knownUnit(operation, units);
  return unit ? newHostString(unit->text) : nullptr;
}

template <class Api>
char* SimUnitsManagerOf<Api>::standardizeExpression_raw(const char* expression,
                                                        const char* units) const {
  const char* operation = "UnitsManager.standardizeExpression";
  if (this->refused(operation) || !expression) return nullptr;
  const std::optional<Unit> unit = knownUnit(operation, units);
  if (!unit) return nullptr;
  double value = 0;
  if (!evaluateInDesign(expression, resolved(units), value)) {
    recordExpressionError(operation, "cannot evaluate '" + std::string(expression) + "'");
    return nullptr;
  }
  // A number is given its unit, the one written after it or else the value's; arithmetic stays
  // as written.
  const std::string text = trimmed(expression);
  char* end = nullptr;
  std::strtod(text.c_str(), &end);
  const std::string number = trimmed(text.substr(0, end - text.c_str()));
  const std::string written = trimmed(end);
  const std::optional<Unit> writtenUnit = unitNamed(written);
  if (number.empty() || !writtenUnit) return newHostString(text);
  const char* unitText = written.empty() ? unit->text : writtenUnit->text;
  return newHostString(*unitText ? number + " " + unitText : number);
}

template <class Api>
char* SimUnitsManagerOf<Api>::internalUnits_raw() const {
  if (this->refused("UnitsManager.internalUnits")) return nullptr;
  return newHostString(internalUnit(UnitKind::Length).text);
}

template <class Api>
char* SimUnitsManagerOf<Api>::defaultLengthUnits_raw() const {
  if (this->refused("UnitsManager.defaultLengthUnits")) return nullptr;
  return newHostString(lengthUnitText(lengthUnit_));
}

template class SimUnitsManagerOf<adsk::core::UnitsManager>;
template class SimUnitsManagerOf<adsk::fusion::FusionUnitsManager>;

adsk::fusion::Design* SimFusionUnitsManager::design_raw() const {
  if (refused("FusionUnitsManager.design")) return nullptr;
  return handOutAs<adsk::fusion::Design>(product().get());
}

adsk::fusion::DistanceUnits SimFusionUnitsManager::distanceDisplayUnits_raw() const {
  // A failed call answers the enumeration's zero.
  if (refused("FusionUnitsManager.distanceDisplayUnits")) {
    return adsk::fusion::MillimeterDistanceUnits;
  }
  // LengthUnitChoice follows DistanceUnits' order.
  return static_cast<adsk::fusion::DistanceUnits>(lengthUnit());
}

bool SimFusionUnitsManager::distanceDisplayUnits_raw(adsk::fusion::DistanceUnits value) {
  if (refused("FusionUnitsManager.distanceDisplayUnits") ||
      value < adsk::fusion::MillimeterDistanceUnits ||
      value > adsk::fusion::NauticalMileDistanceUnits) {
    return false;
  }
  lengthUnit(static_cast<LengthUnitChoice>(value));
  return true;
}

}  // namespace fsim

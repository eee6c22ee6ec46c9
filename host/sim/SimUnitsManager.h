// The units manager of a product: a design's is a FusionUnitsManager holding the design's default
// length unit (centimetres until set); a product that is not a design has a core UnitsManager
// whose default stays centimetres. Expressions evaluate as value inputs do (evaluateInDesign);
// a unit or expression the host cannot take answers -1, null or false with an ExpressionError
// recorded for Application::getLastError.
#pragma once

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <memory>
#include <optional>
#include <string>

#include "host/sim/Sim.h"
#include "host/sim/Units.h"
#include "host/values/HostTypes.h"

namespace fsim {

/// The members of UnitsManager, for Api = UnitsManager or FusionUnitsManager.
template <class Api>
class SimUnitsManagerOf : public Sim<Api> {
 public:
  /// The units of `product`, the object UnitsManager::product answers.
  explicit SimUnitsManagerOf(std::weak_ptr<SimObject> product) : product_(std::move(product)) {}

  LengthUnitChoice lengthUnit() const { return lengthUnit_; }
  void lengthUnit(LengthUnitChoice unit) { lengthUnit_ = unit; }

 protected:
  std::shared_ptr<SimObject> product() const { return product_.lock(); }

 private:
  adsk::core::Product* product_raw() const override;
  bool isValidExpression_raw(const char* expression, const char* units) const override;
  double evaluateExpression_raw(const char* expression, const char* units) const override;
  double convert_raw(double valueInInputUnits, const char* inputUnits,
                     const char* outputUnits) const override;
  char* formatInternalValue_raw(double internalValue, const char* displayUnits,
                                bool showUnits) const override;
  char* formatUnits_raw(const char* units) const override;
  char* standardizeExpression_raw(const char* expression, const char* units) const override;
  char* internalUnits_raw() const override;
  char* defaultLengthUnits_raw() const override;

  /// units with "DefaultDistance" read as the default length unit's text; null stays empty.
  std::string resolved(const char* units) const;
  /// The unit that units names; none, with the error recorded for operation, for a text the host
  /// does not know.
  std::optional<Unit> knownUnit(const char* operation, const char* units) const;

  std::weak_ptr<SimObject> product_;
  LengthUnitChoice lengthUnit_ = LengthUnitChoice::Centimeter;
};

using SimUnitsManager = SimUnitsManagerOf<adsk::core::UnitsManager>;

/// A design's units manager.
class SimFusionUnitsManager : public SimUnitsManagerOf<adsk::fusion::FusionUnitsManager> {
 public:
  using SimUnitsManagerOf::SimUnitsManagerOf;

 private:
  adsk::fusion::Design* design_raw() const override;
  adsk::fusion::DistanceUnits distanceDisplayUnits_raw() const override;
  bool distanceDisplayUnits_raw(adsk::fusion::DistanceUnits value) override;
};

/// Records for Application::getLastError that operation failed on an expression or unit, for
/// `why`.
void recordExpressionError(const char* operation, const std::string& why);

}  // namespace fsim

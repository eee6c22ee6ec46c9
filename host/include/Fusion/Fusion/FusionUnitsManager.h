// A design's units: the core units manager plus the design's default length unit, which reads
// numbers typed without a unit and shows lengths.
#pragma once

#include "../../Core/Application/UnitsManager.h"
#include "../FusionTypeDefs.h"

namespace adsk {
namespace fusion {

class Design;

class FusionUnitsManager : public core::UnitsManager {
 public:
  /// The design whose units these are.
  core::Ptr<Design> design() const;

  /// The default length unit.
  DistanceUnits distanceDisplayUnits() const;

  /// Sets the default length unit; false on failure.
  bool distanceDisplayUnits(DistanceUnits value);

  static const char* classType() { return "adsk::fusion::FusionUnitsManager"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<FusionUnitsManager*>(this)
                                               : core::UnitsManager::queryInterface(id);
  }

 private:
  virtual Design* design_raw() const = 0;
  virtual DistanceUnits distanceDisplayUnits_raw() const = 0;
  virtual bool distanceDisplayUnits_raw(DistanceUnits value) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<Design> FusionUnitsManager::design() const {
  core::Ptr<Design> res = design_raw();
  return res;
}

inline DistanceUnits FusionUnitsManager::distanceDisplayUnits() const {
  return distanceDisplayUnits_raw();
}

inline bool FusionUnitsManager::distanceDisplayUnits(DistanceUnits value) {
  return distanceDisplayUnits_raw(value);
}

}  // namespace fusion
}  // namespace adsk

// The product of a modelling document. Add-ins reach it by casting the application's active
// product, and from it the root component and the design's parameters.
#pragma once

#include "../../Core/Application/Product.h"

namespace adsk {
namespace fusion {

class Component;
class UserParameters;
class ParameterList;
class FusionUnitsManager;

class Design : public core::Product {
 public:
  /// The design's root component.
  core::Ptr<Component> rootComponent() const;

  /// The parameters the user created.
  core::Ptr<UserParameters> userParameters() const;

  /// All user and model parameters of all components (no external references), read-only.
  core::Ptr<ParameterList> allParameters() const;

  /// The design's units, with its default length unit.
  core::Ptr<FusionUnitsManager> fusionUnitsManager() const;

  static const char* classType() { return "adsk::fusion::Design"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Design*>(this)
                                               : core::Product::queryInterface(id);
  }

 private:
  virtual Component* rootComponent_raw() const = 0;
  virtual UserParameters* userParameters_raw() const = 0;
  virtual ParameterList* allParameters_raw() const = 0;
  virtual FusionUnitsManager* fusionUnitsManager_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<Component> Design::rootComponent() const {
  core::Ptr<Component> res = rootComponent_raw();
  return res;
}

inline core::Ptr<UserParameters> Design::userParameters() const {
  core::Ptr<UserParameters> res = userParameters_raw();
  return res;
}

inline core::Ptr<ParameterList> Design::allParameters() const {
  core::Ptr<ParameterList> res = allParameters_raw();
  return res;
}

inline core::Ptr<FusionUnitsManager> Design::fusionUnitsManager() const {
  core::Ptr<FusionUnitsManager> res = fusionUnitsManager_raw();
  return res;
}

}  // namespace fusion
}  // namespace adsk

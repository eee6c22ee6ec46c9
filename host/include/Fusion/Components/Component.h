// A component of a design: its sketches, origin construction planes and custom graphics. Add-ins
// use the design's root component.
#pragma once

#include "BaseComponent.h"

namespace adsk {
namespace fusion {

class Sketches;
class ConstructionPlane;
class CustomGraphicsGroups;

class Component : public BaseComponent {
 public:
  /// The component's sketches.
  core::Ptr<Sketches> sketches() const;

  /// The origin XY plane.
  core::Ptr<ConstructionPlane> xYConstructionPlane() const;

  /// The origin XZ plane.
  core::Ptr<ConstructionPlane> xZConstructionPlane() const;

  /// The origin YZ plane.
  core::Ptr<ConstructionPlane> yZConstructionPlane() const;

  /// The component's custom graphics groups.
  core::Ptr<CustomGraphicsGroups> customGraphicsGroups() const;

  static const char* classType() { return "adsk::fusion::Component"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Component*>(this)
                                               : BaseComponent::queryInterface(id);
  }

 private:
  virtual Sketches* sketches_raw() const = 0;
  virtual ConstructionPlane* xYConstructionPlane_raw() const = 0;
  virtual ConstructionPlane* xZConstructionPlane_raw() const = 0;
  virtual ConstructionPlane* yZConstructionPlane_raw() const = 0;
  virtual CustomGraphicsGroups* customGraphicsGroups_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<Sketches> Component::sketches() const {
  core::Ptr<Sketches> res = sketches_raw();
  return res;
}

inline core::Ptr<ConstructionPlane> Component::xYConstructionPlane() const {
  core::Ptr<ConstructionPlane> res = xYConstructionPlane_raw();
  return res;
}

inline core::Ptr<ConstructionPlane> Component::xZConstructionPlane() const {
  core::Ptr<ConstructionPlane> res = xZConstructionPlane_raw();
  return res;
}

inline core::Ptr<ConstructionPlane> Component::yZConstructionPlane() const {
  core::Ptr<ConstructionPlane> res = yZConstructionPlane_raw();
  return res;
}

inline core::Ptr<CustomGraphicsGroups> Component::customGraphicsGroups() const {
  core::Ptr<CustomGraphicsGroups> res = customGraphicsGroups_raw();
  return res;
}

}  // namespace fusion
}  // namespace adsk

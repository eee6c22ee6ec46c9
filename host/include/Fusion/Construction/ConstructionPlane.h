// A construction plane, such as an origin plane of a component. Add-ins place new sketches on
// it, passing it to Sketches::add as a Base.
#pragma once

#include <string>

#include "../../Core/Base.h"

namespace adsk {
namespace core {
class Plane;
}  // namespace core

namespace fusion {

class ConstructionPlane : public core::Base {
 public:
  /// The plane's geometry.
  core::Ptr<core::Plane> geometry() const;

  /// The plane's name.
  std::string name() const;

  static const char* classType() { return "adsk::fusion::ConstructionPlane"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ConstructionPlane*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual core::Plane* geometry_raw() const = 0;
  virtual char* name_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<core::Plane> ConstructionPlane::geometry() const {
  core::Ptr<core::Plane> res = geometry_raw();
  return res;
}

inline std::string ConstructionPlane::name() const {
  std::string res;
  char* p = name_raw();
  if (p) {
    res = p;
    core::DeallocateArray(p);
  }
  return res;
}

}  // namespace fusion
}  // namespace adsk

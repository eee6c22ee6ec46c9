// The base of the colour effects of custom graphics. An entity's colour is set through this type,
// whatever the effect.
#pragma once

#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class CustomGraphicsColorEffect : public core::Base {
 public:
  static const char* classType() { return "adsk::fusion::CustomGraphicsColorEffect"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CustomGraphicsColorEffect*>(this)
                                               : core::Base::queryInterface(id);
  }
};

}  // namespace fusion
}  // namespace adsk

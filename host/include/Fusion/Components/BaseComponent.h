// The base of components. It declares nothing the add-in uses; it keeps Component's place in
// the interface chain.
#pragma once

#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class BaseComponent : public core::Base {
 public:
  static const char* classType() { return "adsk::fusion::BaseComponent"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<BaseComponent*>(this)
                                               : core::Base::queryInterface(id);
  }
};

}  // namespace fusion
}  // namespace adsk

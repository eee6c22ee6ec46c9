// The base of everything in a sketch. It keeps the curves' place in the interface chain.
#pragma once

#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class SketchEntity : public core::Base {
 public:
  static const char* classType() { return "adsk::fusion::SketchEntity"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<SketchEntity*>(this)
                                               : core::Base::queryInterface(id);
  }
};

}  // namespace fusion
}  // namespace adsk

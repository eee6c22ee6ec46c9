// The base of the curves of a sketch. It keeps the splines' place in the interface chain.
#pragma once

#include "SketchEntity.h"

namespace adsk {
namespace fusion {

class SketchCurve : public SketchEntity {
 public:
  static const char* classType() { return "adsk::fusion::SketchCurve"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<SketchCurve*>(this)
                                               : SketchEntity::queryInterface(id);
  }
};

}  // namespace fusion
}  // namespace adsk

// A parameter created by the user (rather than by a feature). It adds nothing to Parameter that
// the add-in uses.
#pragma once

#include "Parameter.h"

namespace adsk {
namespace fusion {

class UserParameter : public Parameter {
 public:
  static const char* classType() { return "adsk::fusion::UserParameter"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<UserParameter*>(this)
                                               : Parameter::queryInterface(id);
  }
};

}  // namespace fusion
}  // namespace adsk

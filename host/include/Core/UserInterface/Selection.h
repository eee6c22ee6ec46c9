// One selected object of the user interface's active selection.
#pragma once

#include "../Base.h"

namespace adsk {
namespace core {

class Selection : public Base {
 public:
  /// The selected object; cast it to the type expected (a failed cast gives null).
  Ptr<Base> entity() const;

  static const char* classType() { return "adsk::core::Selection"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Selection*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual Base* entity_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Base> Selection::entity() const {
  Ptr<Base> res = entity_raw();
  return res;
}

}  // namespace core
}  // namespace adsk

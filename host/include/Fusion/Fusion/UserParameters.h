// The user parameters of a design, by index or by name. Reached from the design.
#pragma once

#include <string>

#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class UserParameter;
class Design;

class UserParameters : public core::Base {
 public:
  typedef UserParameter iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// The parameter at index; null for an invalid index.
  core::Ptr<UserParameter> item(size_t index) const;

  /// The parameter with this name; null if there is none.
  core::Ptr<UserParameter> itemByName(const std::string& name) const;

  /// The number of parameters.
  size_t count() const;

  /// The design the parameters belong to.
  core::Ptr<Design> design() const;

  static const char* classType() { return "adsk::fusion::UserParameters"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<UserParameters*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual UserParameter* item_raw(size_t index) const = 0;
  virtual UserParameter* itemByName_raw(const char* name) const = 0;
  virtual size_t count_raw() const = 0;
  virtual Design* design_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<UserParameter> UserParameters::item(size_t index) const {
  core::Ptr<UserParameter> res = item_raw(index);
  return res;
}

inline core::Ptr<UserParameter> UserParameters::itemByName(const std::string& name) const {
  core::Ptr<UserParameter> res = itemByName_raw(name.c_str());
  return res;
}

inline size_t UserParameters::count() const { return count_raw(); }

inline core::Ptr<Design> UserParameters::design() const {
  core::Ptr<Design> res = design_raw();
  return res;
}

template <class OutputIterator>
inline void UserParameters::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace fusion
}  // namespace adsk

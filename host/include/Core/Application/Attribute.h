// A named text on an entity, saved with the design: add-ins keep their own data on the objects
// they make. Found again through the entity's Attributes or Product::findAttributes.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class Attribute : public Base {
 public:
  /// The group the attribute belongs to, usually the add-in's name.
  std::string groupName() const;

  /// The attribute's name within its group.
  std::string name() const;

  /// The value, at most 2 MB.
  std::string value() const;

  /// Replaces the value; false on failure (a value over 2 MB included).
  bool value(const std::string& value);

  /// The entity the attribute is on; null when that entity is gone.
  Ptr<Base> parent() const;

  /// Deletes the attribute; false on failure.
  bool deleteMe();

  static const char* classType() { return "adsk::core::Attribute"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Attribute*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual char* groupName_raw() const = 0;
  virtual char* name_raw() const = 0;
  virtual char* value_raw() const = 0;
  virtual bool value_raw(const char* value) = 0;
  virtual Base* parent_raw() const = 0;
  virtual bool deleteMe_raw() = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string Attribute::groupName() const {
  std::string res;
  char* p = groupName_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline std::string Attribute::name() const {
  std::string res;
  char* p = name_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline std::string Attribute::value() const {
  std::string res;
  char* p = value_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool Attribute::value(const std::string& value) { return value_raw(value.c_str()); }

inline Ptr<Base> Attribute::parent() const {
  Ptr<Base> res = parent_raw();
  return res;
}

inline bool Attribute::deleteMe() { return deleteMe_raw(); }

}  // namespace core
}  // namespace adsk

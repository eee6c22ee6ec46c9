// The attributes of one entity: add-ins add named texts to it and find them again by group and
// name.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class Attribute;

class Attributes : public Base {
 public:
  /// The number of attributes on the entity.
  size_t count() const;

  /// The attribute at `index`; null when out of range.
  Ptr<Attribute> item(size_t index) const;

  /// The attribute with that group and name; null when there is none.
  Ptr<Attribute> itemByName(const std::string& groupName, const std::string& name);

  /// Adds an attribute, or gives an existing one of that group and name the new value; returns
  /// it, or null on failure (a value over 2 MB included).
  Ptr<Attribute> add(const std::string& groupName, const std::string& name,
                     const std::string& value);

  static const char* classType() { return "adsk::core::Attributes"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Attributes*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual size_t count_raw() const = 0;
  virtual Attribute* item_raw(size_t index) const = 0;
  virtual Attribute* itemByName_raw(const char* groupName, const char* name) = 0;
  virtual Attribute* add_raw(const char* groupName, const char* name, const char* value) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline size_t Attributes::count() const { return count_raw(); }

inline Ptr<Attribute> Attributes::item(size_t index) const {
  Ptr<Attribute> res = item_raw(index);
  return res;
}

inline Ptr<Attribute> Attributes::itemByName(const std::string& groupName,
                                             const std::string& name) {
  Ptr<Attribute> res = itemByName_raw(groupName.c_str(), name.c_str());
  return res;
}

inline Ptr<Attribute> Attributes::add(const std::string& groupName, const std::string& name,
                                      const std::string& value) {
  Ptr<Attribute> res = add_raw(groupName.c_str(), name.c_str(), value.c_str());
  return res;
}

}  // namespace core
}  // namespace adsk

// A read-only list of parameters, such as all the parameters of a design. Add-ins read the names
// and values from it to offer them to expressions.
#pragma once

#include <string>

#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class Parameter;

class ParameterList : public core::Base {
 public:
  typedef Parameter iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// The parameter at index; null for an invalid index.
  core::Ptr<Parameter> item(size_t index) const;

  /// The parameter with this name; null if there is none.
  core::Ptr<Parameter> itemByName(const std::string& name) const;

  /// The number of parameters.
  size_t count() const;

  /// Whether the list can be changed.
  bool isReadOnly() const;

  static const char* classType() { return "adsk::fusion::ParameterList"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ParameterList*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual Parameter* item_raw(size_t index) const = 0;
  virtual Parameter* itemByName_raw(const char* name) const = 0;
  virtual size_t count_raw() const = 0;
  virtual bool isReadOnly_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<Parameter> ParameterList::item(size_t index) const {
  core::Ptr<Parameter> res = item_raw(index);
  return res;
}

inline core::Ptr<Parameter> ParameterList::itemByName(const std::string& name) const {
  core::Ptr<Parameter> res = itemByName_raw(name.c_str());
  return res;
}

inline size_t ParameterList::count() const { return count_raw(); }

inline bool ParameterList::isReadOnly() const { return isReadOnly_raw(); }

template <class OutputIterator>
inline void ParameterList::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace fusion
}  // namespace adsk

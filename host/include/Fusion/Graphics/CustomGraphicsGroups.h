// The custom graphics groups of a component: temporary drawings that are not part of the model.
// Add-ins add a group for a preview and find it again by its ID.
#pragma once

#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class CustomGraphicsGroup;

class CustomGraphicsGroups : public core::Base {
 public:
  typedef CustomGraphicsGroup iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// A new empty group; null on failure.
  core::Ptr<CustomGraphicsGroup> add();

  /// The number of groups.
  size_t count() const;

  /// The group at index; null for an invalid index.
  core::Ptr<CustomGraphicsGroup> item(size_t index) const;

  static const char* classType() { return "adsk::fusion::CustomGraphicsGroups"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CustomGraphicsGroups*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual CustomGraphicsGroup* add_raw() = 0;
  virtual size_t count_raw() const = 0;
  virtual CustomGraphicsGroup* item_raw(size_t index) const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<CustomGraphicsGroup> CustomGraphicsGroups::add() {
  core::Ptr<CustomGraphicsGroup> res = add_raw();
  return res;
}

inline size_t CustomGraphicsGroups::count() const { return count_raw(); }

inline core::Ptr<CustomGraphicsGroup> CustomGraphicsGroups::item(size_t index) const {
  core::Ptr<CustomGraphicsGroup> res = item_raw(index);
  return res;
}

template <class OutputIterator>
inline void CustomGraphicsGroups::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace fusion
}  // namespace adsk

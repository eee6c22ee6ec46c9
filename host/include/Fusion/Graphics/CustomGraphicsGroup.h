// A group of custom graphics. Add-ins draw their temporary curves into one and delete the group
// to remove them all.
#pragma once

#include "CustomGraphicsEntity.h"

namespace adsk {
namespace core {
class Curve3D;
}  // namespace core

namespace fusion {

class CustomGraphicsCurve;

class CustomGraphicsGroup : public CustomGraphicsEntity {
 public:
  typedef CustomGraphicsEntity iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// Draws a curve (any Curve3D but an infinite line); null on failure.
  core::Ptr<CustomGraphicsCurve> addCurve(const core::Ptr<core::Curve3D>& curve);

  /// A new group inside this one; null on failure.
  core::Ptr<CustomGraphicsGroup> addGroup();

  /// The entity at index; null for an invalid index.
  core::Ptr<CustomGraphicsEntity> item(size_t index) const;

  /// The number of entities in the group.
  size_t count() const;

  /// Whether the group's entities can be selected one by one.
  bool isChildrenSelectable() const;

  /// Makes the entities selectable one by one or not; false on failure.
  bool isChildrenSelectable(bool value);

  static const char* classType() { return "adsk::fusion::CustomGraphicsGroup"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CustomGraphicsGroup*>(this)
                                               : CustomGraphicsEntity::queryInterface(id);
  }

 private:
  virtual CustomGraphicsCurve* addCurve_raw(core::Curve3D* curve) = 0;
  virtual CustomGraphicsGroup* addGroup_raw() = 0;
  virtual CustomGraphicsEntity* item_raw(size_t index) const = 0;
  virtual size_t count_raw() const = 0;
  virtual bool isChildrenSelectable_raw() const = 0;
  virtual bool isChildrenSelectable_raw(bool value) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<CustomGraphicsCurve> CustomGraphicsGroup::addCurve(
    const core::Ptr<core::Curve3D>& curve) {
  core::Ptr<CustomGraphicsCurve> res = addCurve_raw(curve.get());
  return res;
}

inline core::Ptr<CustomGraphicsGroup> CustomGraphicsGroup::addGroup() {
  core::Ptr<CustomGraphicsGroup> res = addGroup_raw();
  return res;
}

inline core::Ptr<CustomGraphicsEntity> CustomGraphicsGroup::item(size_t index) const {
  core::Ptr<CustomGraphicsEntity> res = item_raw(index);
  return res;
}

inline size_t CustomGraphicsGroup::count() const { return count_raw(); }

inline bool CustomGraphicsGroup::isChildrenSelectable() const { return isChildrenSelectable_raw(); }

inline bool CustomGraphicsGroup::isChildrenSelectable(bool value) {
  return isChildrenSelectable_raw(value);
}

template <class OutputIterator>
inline void CustomGraphicsGroup::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace fusion
}  // namespace adsk

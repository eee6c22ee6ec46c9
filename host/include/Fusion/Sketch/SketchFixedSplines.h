// The fixed splines of a sketch: splines taken as given from a NurbsCurve3D, not editable by the
// user.
#pragma once

#include "../../Core/Base.h"

namespace adsk {
namespace core {
class NurbsCurve3D;
}  // namespace core

namespace fusion {

class SketchFixedSpline;

class SketchFixedSplines : public core::Base {
 public:
  typedef SketchFixedSpline iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// A new spline with the curve's shape; null on failure.
  core::Ptr<SketchFixedSpline> addByNurbsCurve(const core::Ptr<core::NurbsCurve3D>& nurbsCurve);

  /// The spline at index; null for an invalid index.
  core::Ptr<SketchFixedSpline> item(size_t index) const;

  /// The number of splines.
  size_t count() const;

  static const char* classType() { return "adsk::fusion::SketchFixedSplines"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<SketchFixedSplines*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual SketchFixedSpline* addByNurbsCurve_raw(core::NurbsCurve3D* nurbsCurve) = 0;
  virtual SketchFixedSpline* item_raw(size_t index) const = 0;
  virtual size_t count_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<SketchFixedSpline> SketchFixedSplines::addByNurbsCurve(
    const core::Ptr<core::NurbsCurve3D>& nurbsCurve) {
  core::Ptr<SketchFixedSpline> res = addByNurbsCurve_raw(nurbsCurve.get());
  return res;
}

inline core::Ptr<SketchFixedSpline> SketchFixedSplines::item(size_t index) const {
  core::Ptr<SketchFixedSpline> res = item_raw(index);
  return res;
}

inline size_t SketchFixedSplines::count() const { return count_raw(); }

template <class OutputIterator>
inline void SketchFixedSplines::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace fusion
}  // namespace adsk

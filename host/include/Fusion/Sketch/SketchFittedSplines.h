// The fitted splines of a sketch: splines through fit points. Adding one from a NurbsCurve3D is
// retired in the host (unreliable once edited).
#pragma once

#include "../../Core/Base.h"

namespace adsk {
namespace core {
class ObjectCollection;
class NurbsCurve3D;
}  // namespace core

namespace fusion {

class SketchFittedSpline;

class SketchFittedSplines : public core::Base {
 public:
  /// A new spline through the points; null on failure.
  core::Ptr<SketchFittedSpline> add(const core::Ptr<core::ObjectCollection>& fitPoints);

  /// Retired: a new spline from the curve; null on failure.
  core::Ptr<SketchFittedSpline> addByNurbsCurve(const core::Ptr<core::NurbsCurve3D>& nurbsCurve);

  static const char* classType() { return "adsk::fusion::SketchFittedSplines"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<SketchFittedSplines*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual SketchFittedSpline* add_raw(core::ObjectCollection* fitPoints) = 0;
  virtual SketchFittedSpline* addByNurbsCurve_raw(core::NurbsCurve3D* nurbsCurve) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<SketchFittedSpline> SketchFittedSplines::add(
    const core::Ptr<core::ObjectCollection>& fitPoints) {
  core::Ptr<SketchFittedSpline> res = add_raw(fitPoints.get());
  return res;
}

inline core::Ptr<SketchFittedSpline> SketchFittedSplines::addByNurbsCurve(
    const core::Ptr<core::NurbsCurve3D>& nurbsCurve) {
  core::Ptr<SketchFittedSpline> res = addByNurbsCurve_raw(nurbsCurve.get());
  return res;
}

}  // namespace fusion
}  // namespace adsk

// A fixed spline of a sketch: its shape is a NurbsCurve3D in sketch space that only the API can
// replace. Tests read the shape back through geometry(), and through worldGeometry() where the
// sketch places it in the model.
#pragma once

#include "SketchCurve.h"

namespace adsk {
namespace core {
class NurbsCurve3D;
}  // namespace core

namespace fusion {

class SketchFixedSpline : public SketchCurve {
 public:
  /// The shape in sketch space, as a new curve; null on failure.
  core::Ptr<core::NurbsCurve3D> geometry() const;

  /// The shape in model space (sketch space carried by the sketch's transform), as a new curve;
  /// null on failure.
  core::Ptr<core::NurbsCurve3D> worldGeometry() const;

  /// Gives the spline a new shape; false on failure.
  bool replaceGeometry(const core::Ptr<core::NurbsCurve3D>& nurbsCurve);

  static const char* classType() { return "adsk::fusion::SketchFixedSpline"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<SketchFixedSpline*>(this)
                                               : SketchCurve::queryInterface(id);
  }

 private:
  virtual core::NurbsCurve3D* geometry_raw() const = 0;
  virtual core::NurbsCurve3D* worldGeometry_raw() const = 0;
  virtual bool replaceGeometry_raw(core::NurbsCurve3D* nurbsCurve) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<core::NurbsCurve3D> SketchFixedSpline::geometry() const {
  core::Ptr<core::NurbsCurve3D> res = geometry_raw();
  return res;
}

inline core::Ptr<core::NurbsCurve3D> SketchFixedSpline::worldGeometry() const {
  core::Ptr<core::NurbsCurve3D> res = worldGeometry_raw();
  return res;
}

inline bool SketchFixedSpline::replaceGeometry(const core::Ptr<core::NurbsCurve3D>& nurbsCurve) {
  return replaceGeometry_raw(nurbsCurve.get());
}

}  // namespace fusion
}  // namespace adsk

// The simulated fixed spline.
#include "host/sim/SimSketchFixedSpline.h"

#include <memory>

#include "host/sim/SimNurbsCurve3D.h"
#include "host/sim/Transforms.h"

namespace fsim {

adsk::core::NurbsCurve3D* SimSketchFixedSpline::geometry_raw() const {
  if (refused("SketchFixedSpline.geometry")) return nullptr;
  return handOut(std::make_shared<SimNurbsCurve3D>(curve_));
}

adsk::core::NurbsCurve3D* SimSketchFixedSpline::worldGeometry_raw() const {
  if (refused("SketchFixedSpline.worldGeometry")) return nullptr;
  return handOut(std::make_shared<SimNurbsCurve3D>(transformedCurve(curve_, transform_)));
}

bool SimSketchFixedSpline::replaceGeometry_raw(adsk::core::NurbsCurve3D* nurbsCurve) {
  if (refused("SketchFixedSpline.replaceGeometry")) return false;
  auto* nurbs = dynamic_cast<SimNurbsCurve3D*>(nurbsCurve);
  if (!nurbs || !nurbs->alive()) return false;
  curve_ = nurbs->data();
  return true;
}

}  // namespace fsim

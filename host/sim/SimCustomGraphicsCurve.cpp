// The simulated curve graphics.
#include "host/sim/SimCustomGraphicsCurve.h"

#include <cmath>
#include <memory>

#include "host/sim/SimNurbsCurve3D.h"

namespace fsim {

CurveGraphicsInfo SimCustomGraphicsCurve::info() const {
  return CurveGraphicsInfo{weight_, colorInfo(), selectable(), visible(), curve_};
}

double SimCustomGraphicsCurve::weight_raw() const {
  if (refused("CustomGraphicsCurve.weight")) return 0.0;
  return weight_;
}

bool SimCustomGraphicsCurve::weight_raw(double value) {
  if (refused("CustomGraphicsCurve.weight") || !std::isfinite(value) || value <= 0) return false;
  weight_ = value;
  return true;
}

adsk::core::Curve3D* SimCustomGraphicsCurve::curve_raw() const {
  if (refused("CustomGraphicsCurve.curve")) return nullptr;
  return handOut(std::make_shared<SimNurbsCurve3D>(curve_));
}

bool SimCustomGraphicsCurve::curve_raw(adsk::core::Curve3D* value) {
  auto* nurbs = dynamic_cast<SimNurbsCurve3D*>(value);
  if (refused("CustomGraphicsCurve.curve") || !nurbs) return false;
  curve_ = nurbs->data();
  return true;
}

adsk::fusion::LineStylePatterns SimCustomGraphicsCurve::lineStylePattern_raw() const {
  refused("CustomGraphicsCurve.lineStylePattern");
  return adsk::fusion::continuousLineStylePattern;
}

}  // namespace fsim

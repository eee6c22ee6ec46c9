// The simulated sketch curves and fixed splines.
#include "host/sim/SimSketchCurves.h"

#include "host/sim/Lookup.h"
#include "host/sim/SimNurbsCurve3D.h"

namespace fsim {

SimSketchCurves::SimSketchCurves() : fixed_(std::make_shared<SimSketchFixedSplines>()) {}

void SimSketchCurves::markDeleted() {
  SimObject::markDeleted();
  fixed_->markDeleted();
}

adsk::fusion::SketchFixedSplines* SimSketchCurves::sketchFixedSplines_raw() const {
  if (refused("SketchCurves.sketchFixedSplines")) return nullptr;
  return handOut(fixed_);
}

adsk::fusion::SketchFittedSplines* SimSketchCurves::sketchFittedSplines_raw() const {
  refused("SketchCurves.sketchFittedSplines");
  return nullptr;  // not simulated
}

adsk::fusion::SketchControlPointSplines* SimSketchCurves::sketchControlPointSplines_raw() const {
  refused("SketchCurves.sketchControlPointSplines");
  return nullptr;  // not simulated
}

std::vector<NurbsData> SimSketchFixedSplines::data() const {
  std::vector<NurbsData> out;
  for (const auto& spline : splines_) out.push_back(spline->curve());
  return out;
}

void SimSketchFixedSplines::markDeleted() {
  SimObject::markDeleted();
  for (auto& spline : splines_) spline->markDeleted();
}

adsk::fusion::SketchFixedSpline* SimSketchFixedSplines::addByNurbsCurve_raw(
    adsk::core::NurbsCurve3D* curve) {
  if (refused("SketchFixedSplines.addByNurbsCurve")) return nullptr;
  auto* nurbs = dynamic_cast<SimNurbsCurve3D*>(curve);
  if (!nurbs || !nurbs->alive()) return nullptr;
  // The sketch keeps its own copy: later changes to the curve object do not reach it.
  auto spline = std::make_shared<SimSketchFixedSpline>(nurbs->data());
  splines_.push_back(spline);
  return handOut(spline);
}

adsk::fusion::SketchFixedSpline* SimSketchFixedSplines::item_raw(size_t index) const {
  if (refused("SketchFixedSplines.item")) return nullptr;
  return handOut(childAt(splines_, index));
}

size_t SimSketchFixedSplines::count_raw() const {
  if (refused("SketchFixedSplines.count")) return 0;
  return splines_.size();
}

adsk::core::NurbsCurve3D* SimSketchFixedSpline::geometry_raw() const {
  if (refused("SketchFixedSpline.geometry")) return nullptr;
  return handOut(std::make_shared<SimNurbsCurve3D>(curve_));
}

adsk::core::NurbsCurve3D* SimSketchFixedSpline::worldGeometry_raw() const {
  if (refused("SketchFixedSpline.worldGeometry")) return nullptr;
  // Sketch coordinates are kept as given; placing XZ and YZ sketches in space is not simulated.
  return handOut(std::make_shared<SimNurbsCurve3D>(curve_));
}

bool SimSketchFixedSpline::replaceGeometry_raw(adsk::core::NurbsCurve3D* nurbsCurve) {
  if (refused("SketchFixedSpline.replaceGeometry")) return false;
  auto* nurbs = dynamic_cast<SimNurbsCurve3D*>(nurbsCurve);
  if (!nurbs || !nurbs->alive()) return false;
  curve_ = nurbs->data();
  return true;
}

}  // namespace fsim

// The simulated fixed splines collection.
#include "host/sim/SimSketchFixedSplines.h"

#include "host/sim/Lookup.h"
#include "host/sim/SimNurbsCurve3D.h"
#include "host/sim/SimSketchFixedSpline.h"

namespace fsim {

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
  return handOut(add(nurbs->data()));
}

std::shared_ptr<SimSketchFixedSpline> SimSketchFixedSplines::add(NurbsData curve) {
  splines_.push_back(SimSketchFixedSpline::create(std::move(curve), transform_, sketch_));
  return splines_.back();
}

adsk::fusion::SketchFixedSpline* SimSketchFixedSplines::item_raw(size_t index) const {
  if (refused("SketchFixedSplines.item")) return nullptr;
  return handOut(childAt(splines_, index));
}

size_t SimSketchFixedSplines::count_raw() const {
  if (refused("SketchFixedSplines.count")) return 0;
  return splines_.size();
}

}  // namespace fsim

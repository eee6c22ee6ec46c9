// The simulated fixed spline.
#include "host/sim/SimSketchFixedSpline.h"

#include <cstdint>
#include <memory>

#include "host/sim/Host.h"
#include "host/sim/HostArrays.h"
#include "host/sim/SimAttributes.h"
#include "host/sim/SimNurbsCurve3D.h"
#include "host/sim/Transforms.h"

namespace fsim {

std::shared_ptr<SimSketchFixedSpline> SimSketchFixedSpline::create(
    NurbsData curve, const Transform& transform, std::weak_ptr<SimObject> sketch) {
  auto spline =
      std::make_shared<SimSketchFixedSpline>(std::move(curve), transform, std::move(sketch));
  spline->attributes_ = SimAttributes::create(spline);
  static std::uint64_t made = 0;
  spline->token_ = "fsim-spline-" + std::to_string(++made);
  return spline;
}

void SimSketchFixedSpline::markDeleted() {
  SimObject::markDeleted();
  attributes_->markDeleted();
}

adsk::fusion::Sketch* SimSketchFixedSpline::parentSketch_raw() const {
  if (refused("SketchEntity.parentSketch")) return nullptr;
  std::shared_ptr<SimObject> sketch = sketch_.lock();
  return handOutAs<adsk::fusion::Sketch>(sketch.get());
}

adsk::core::Attributes* SimSketchFixedSpline::attributes_raw() const {
  if (refused("SketchEntity.attributes")) return nullptr;
  return handOut(attributes_);
}

bool SimSketchFixedSpline::isLinked_raw() const {
  if (refused("SketchEntity.isLinked")) return false;
  return linked_;
}

void SimSketchFixedSpline::aboutToChange() {
  const Host* host = Host::current();
  if (!host || (before_ && beforeStep_ == host->undoStep)) return;
  before_ = State{curve_, attributes_->info()};
  beforeStep_ = host->undoStep;
}

std::optional<SimSketchFixedSpline::State> SimSketchFixedSpline::stateBefore(
    std::uint64_t step) const {
  if (!before_ || beforeStep_ != step) return std::nullopt;
  return before_;
}

char* SimSketchFixedSpline::entityToken_raw() const {
  if (refused("SketchEntity.entityToken")) return nullptr;
  return newHostString(token_);
}

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
  aboutToChange();
  curve_ = nurbs->data();
  return true;
}

}  // namespace fsim

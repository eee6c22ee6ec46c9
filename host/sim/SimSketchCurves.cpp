// The simulated sketch curves.
#include "host/sim/SimSketchCurves.h"

#include "host/sim/SimSketchFixedSplines.h"

namespace fsim {

SimSketchCurves::SimSketchCurves(const Transform& transform, std::weak_ptr<SimObject> sketch)
    : fixed_(std::make_shared<SimSketchFixedSplines>(transform, std::move(sketch))) {}

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

}  // namespace fsim

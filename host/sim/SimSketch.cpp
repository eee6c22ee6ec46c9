// The simulated sketch.
#include "host/sim/SimSketch.h"

#include "host/sim/HostArrays.h"
#include "host/sim/SimSketchCurves.h"
#include "host/sim/SimSketchFixedSplines.h"

namespace fsim {

std::shared_ptr<SimSketch> SimSketch::create(std::string name, OriginPlane plane,
                                             std::shared_ptr<SimObject> planeObject,
                                             bool createdDuringSession) {
  auto sketch = std::make_shared<SimSketch>(std::move(name), plane, std::move(planeObject),
                                            createdDuringSession);
  sketch->curves_ = std::make_shared<SimSketchCurves>();
  return sketch;
}

SketchInfo SimSketch::info() const {
  static const char* const kPlaneNames[] = {"XY", "XZ", "YZ"};
  SketchInfo info;
  info.name = name_;
  info.plane = kPlaneNames[static_cast<size_t>(plane_)];
  info.createdDuringSession = createdDuringSession_;
  info.splines = curves_->fixedSplines().data();
  return info;
}

void SimSketch::markDeleted() {
  SimObject::markDeleted();
  curves_->markDeleted();
}

adsk::fusion::SketchCurves* SimSketch::sketchCurves_raw() const {
  if (refused("Sketch.sketchCurves")) return nullptr;
  return handOut(curves_);
}

char* SimSketch::name_raw() const {
  if (refused("Sketch.name")) return nullptr;
  return newHostString(name_);
}

bool SimSketch::name_raw(const char* value) {
  if (refused("Sketch.name") || !value || !*value) return false;
  name_ = value;
  return true;
}

adsk::core::Base* SimSketch::referencePlane_raw() const {
  if (refused("Sketch.referencePlane")) return nullptr;
  return handOutAs(planeObject_.get());
}

bool SimSketch::isComputeDeferred_raw() const {
  return !refused("Sketch.isComputeDeferred") && computeDeferred_;
}

bool SimSketch::isComputeDeferred_raw(bool value) {
  if (refused("Sketch.isComputeDeferred")) return false;
  computeDeferred_ = value;
  return true;
}

}  // namespace fsim

// The simulated sketches and sketch.
#include "host/sim/SimSketches.h"

#include "host/sim/HostArrays.h"
#include "host/sim/Lookup.h"
#include "host/sim/SimComponent.h"
#include "host/sim/SimSketchCurves.h"

namespace fsim {

std::shared_ptr<SimSketch> SimSketches::addSketch(OriginPlane plane, bool createdDuringSession) {
  std::string name = "Sketch" + std::to_string(++created_);
  auto sketch = SimSketch::create(name, plane, component_.plane(plane), createdDuringSession);
  sketches_.push_back(sketch);
  return sketch;
}

std::shared_ptr<SimSketch> SimSketches::find(const std::string& name) const {
  for (const auto& sketch : sketches_) {
    if (sketch->name() == name) return sketch;
  }
  return nullptr;
}

void SimSketches::markDeleted() {
  SimObject::markDeleted();
  for (auto& sketch : sketches_) sketch->markDeleted();
}

adsk::fusion::Sketch* SimSketches::add_raw(adsk::core::Base* planarEntity,
                                           adsk::fusion::Occurrence* /*occurrenceForCreation*/) {
  if (refused("Sketches.add") || !planarEntity) return nullptr;
  // Only this component's origin planes are planar entities here.
  for (OriginPlane which : {OriginPlane::XY, OriginPlane::XZ, OriginPlane::YZ}) {
    const auto& plane = component_.plane(which);
    if (planarEntity == plane->api() && plane->alive()) return handOut(addSketch(which, true));
  }
  return nullptr;
}

adsk::fusion::Sketch* SimSketches::item_raw(size_t index) const {
  if (refused("Sketches.item")) return nullptr;
  return handOut(childAt(sketches_, index));
}

adsk::fusion::Sketch* SimSketches::itemByName_raw(const char* name) const {
  if (refused("Sketches.itemByName") || !name) return nullptr;
  return handOut(find(name));
}

size_t SimSketches::count_raw() const {
  if (refused("Sketches.count")) return 0;
  return sketches_.size();
}

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
  if (refused("Sketch.referencePlane") || !planeObject_) return nullptr;
  planeObject_->addOutsideReference();
  return planeObject_->api();
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

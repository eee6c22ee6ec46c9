// The simulated sketches and sketch.
#include "host/sim/SimSketches.h"

#include "host/sim/HostArrays.h"
#include "host/sim/Lookup.h"
#include "host/sim/SimComponent.h"
#include "host/sim/SimConstructionPlane.h"
#include "host/sim/SimSketch.h"
#include "host/sim/SimSketchCurves.h"

namespace fsim {

std::shared_ptr<SimSketch> SimSketches::addSketch(SketchPlane plane, bool createdDuringSession) {
  std::string name = "Sketch" + std::to_string(++created_);
  const auto& planeObject = component_.plane(plane);
  auto sketch = SimSketch::create(name, plane, planeObject, planeObject->sketchTransform(),
                                  createdDuringSession);
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
  // Only this component's construction planes are planar entities here.
  for (SketchPlane which :
       {SketchPlane::XY, SketchPlane::XZ, SketchPlane::YZ, SketchPlane::Tilted}) {
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

}  // namespace fsim

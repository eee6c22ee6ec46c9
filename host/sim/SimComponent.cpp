// The simulated root component and its construction planes.
#include "host/sim/SimComponent.h"

#include "host/sim/HostArrays.h"
#include "host/sim/SimConstructionPlane.h"
#include "host/sim/SimCustomGraphicsGroups.h"
#include "host/sim/SimSketches.h"

namespace fsim {

std::shared_ptr<SimComponent> SimComponent::create() {
  auto component = std::make_shared<SimComponent>();
  component->sketches_ = std::make_shared<SimSketches>(*component);
  for (SketchPlane which :
       {SketchPlane::XY, SketchPlane::XZ, SketchPlane::YZ, SketchPlane::Tilted}) {
    component->planes_[static_cast<size_t>(which)] = std::make_shared<SimConstructionPlane>(which);
  }
  component->groups_ = std::make_shared<SimCustomGraphicsGroups>(component);
  return component;
}

void SimComponent::markDeleted() {
  SimObject::markDeleted();
  sketches_->markDeleted();
  for (auto& plane : planes_) plane->markDeleted();
  groups_->markDeleted();
}

adsk::fusion::Sketches* SimComponent::sketches_raw() const {
  if (refused("Component.sketches")) return nullptr;
  return handOut(sketches_);
}

adsk::fusion::ConstructionPlane* SimComponent::xYConstructionPlane_raw() const {
  if (refused("Component.xYConstructionPlane")) return nullptr;
  return handOut(plane(SketchPlane::XY));
}

adsk::fusion::ConstructionPlane* SimComponent::xZConstructionPlane_raw() const {
  if (refused("Component.xZConstructionPlane")) return nullptr;
  return handOut(plane(SketchPlane::XZ));
}

adsk::fusion::ConstructionPlane* SimComponent::yZConstructionPlane_raw() const {
  if (refused("Component.yZConstructionPlane")) return nullptr;
  return handOut(plane(SketchPlane::YZ));
}

adsk::fusion::CustomGraphicsGroups* SimComponent::customGraphicsGroups_raw() const {
  if (refused("Component.customGraphicsGroups")) return nullptr;
  return handOut(groups_);
}

}  // namespace fsim

// The simulated custom graphics group.
#include "host/sim/SimCustomGraphicsGroup.h"

#include "host/sim/Lookup.h"
#include "host/sim/SimCustomGraphicsCurve.h"
#include "host/sim/SimNurbsCurve3D.h"

namespace fsim {

GraphicsGroupInfo SimCustomGraphicsGroup::info() const {
  GraphicsGroupInfo info;
  info.id = id();
  for (const auto& child : children_) {
    if (auto* curve = dynamic_cast<const SimCustomGraphicsCurve*>(child.get())) {
      info.curves.push_back(curve->info());
    }
  }
  return info;
}

bool SimCustomGraphicsGroup::removeEntity(const SimObject* entity) {
  return removeChild(children_, entity);
}

void SimCustomGraphicsGroup::markDeleted() {
  SimObject::markDeleted();
  for (auto& child : children_) child->markDeleted();
}

adsk::fusion::CustomGraphicsCurve* SimCustomGraphicsGroup::addCurve_raw(
    adsk::core::Curve3D* curve) {
  if (refused("CustomGraphicsGroup.addCurve")) return nullptr;
  // NURBS curves are the only Curve3D the simulated host makes.
  auto* nurbs = dynamic_cast<SimNurbsCurve3D*>(curve);
  if (!nurbs || !nurbs->alive()) return nullptr;
  auto graphics = std::make_shared<SimCustomGraphicsCurve>(nurbs->data(), weak_from_this());
  children_.push_back(graphics);
  return handOut(graphics);
}

adsk::fusion::CustomGraphicsGroup* SimCustomGraphicsGroup::addGroup_raw() {
  if (refused("CustomGraphicsGroup.addGroup")) return nullptr;
  auto group = std::make_shared<SimCustomGraphicsGroup>(weak_from_this(), weak_from_this());
  children_.push_back(group);
  return handOut(group);
}

adsk::fusion::CustomGraphicsEntity* SimCustomGraphicsGroup::item_raw(size_t index) const {
  if (refused("CustomGraphicsGroup.item")) return nullptr;
  return handOutAs<adsk::fusion::CustomGraphicsEntity>(childAt(children_, index).get());
}

size_t SimCustomGraphicsGroup::count_raw() const {
  if (refused("CustomGraphicsGroup.count")) return 0;
  return children_.size();
}

bool SimCustomGraphicsGroup::isChildrenSelectable_raw() const {
  return !refused("CustomGraphicsGroup.isChildrenSelectable") && childrenSelectable_;
}

bool SimCustomGraphicsGroup::isChildrenSelectable_raw(bool value) {
  if (refused("CustomGraphicsGroup.isChildrenSelectable")) return false;
  childrenSelectable_ = value;
  return true;
}

}  // namespace fsim

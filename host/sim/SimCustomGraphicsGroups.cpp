// The simulated custom graphics groups, group and curve graphics.
#include "host/sim/SimCustomGraphicsGroups.h"

#include <cmath>

#include "host/sim/Lookup.h"
#include "host/sim/SimNurbsCurve3D.h"

namespace fsim {

bool SimCustomGraphicsGroups::removeEntity(const SimObject* entity) {
  for (auto it = groups_.begin(); it != groups_.end(); ++it) {
    if (static_cast<const SimObject*>(it->get()) == entity) {
      groups_.erase(it);
      return true;
    }
  }
  return false;
}

void SimCustomGraphicsGroups::markDeleted() {
  SimObject::markDeleted();
  for (auto& group : groups_) group->markDeleted();
}

adsk::fusion::CustomGraphicsGroup* SimCustomGraphicsGroups::add_raw() {
  if (refused("CustomGraphicsGroups.add")) return nullptr;
  auto group = std::make_shared<SimCustomGraphicsGroup>(component_, weak_from_this());
  groups_.push_back(group);
  return handOut(group);
}

size_t SimCustomGraphicsGroups::count_raw() const {
  if (refused("CustomGraphicsGroups.count")) return 0;
  return groups_.size();
}

adsk::fusion::CustomGraphicsGroup* SimCustomGraphicsGroups::item_raw(size_t index) const {
  if (refused("CustomGraphicsGroups.item")) return nullptr;
  return handOut(childAt(groups_, index));
}

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
  for (auto it = children_.begin(); it != children_.end(); ++it) {
    if (it->get() == entity) {
      children_.erase(it);
      return true;
    }
  }
  return false;
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
  if (refused("CustomGraphicsGroup.item") || index >= children_.size()) return nullptr;
  children_[index]->addOutsideReference();
  return children_[index]->api()->query<adsk::fusion::CustomGraphicsEntity>();
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

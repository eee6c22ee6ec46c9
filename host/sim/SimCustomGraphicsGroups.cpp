// The simulated custom graphics groups of the root component.
#include "host/sim/SimCustomGraphicsGroups.h"

#include <utility>

#include "host/sim/Lookup.h"
#include "host/sim/SimCustomGraphicsGroup.h"

namespace fsim {

bool SimCustomGraphicsGroups::removeEntity(const SimObject* entity) {
  return removeChild(groups_, entity);
}

void SimCustomGraphicsGroups::addGroup(std::string id) {
  auto group = std::make_shared<SimCustomGraphicsGroup>(component_, weak_from_this());
  group->setId(std::move(id));
  groups_.push_back(group);
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

}  // namespace fsim

// The simulated workspaces.
#include "host/sim/SimWorkspaces.h"

#include "host/sim/Lookup.h"
#include "host/sim/SimWorkspace.h"

namespace fsim {

void SimWorkspaces::addWorkspace(const std::string& id, const std::vector<std::string>& panelIds) {
  workspaces_.push_back(std::make_shared<SimWorkspace>(id, panelIds));
}

std::shared_ptr<SimWorkspace> SimWorkspaces::find(const std::string& id) const {
  return childById(workspaces_, id.c_str());
}

void SimWorkspaces::markDeleted() {
  SimObject::markDeleted();
  for (auto& workspace : workspaces_) workspace->markDeleted();
}

adsk::core::Workspace* SimWorkspaces::itemById_raw(const char* id) const {
  if (refused("Workspaces.itemById")) return nullptr;
  return handOut(childById(workspaces_, id));
}

adsk::core::Workspace* SimWorkspaces::item_raw(size_t index) const {
  if (refused("Workspaces.item")) return nullptr;
  return handOut(childAt(workspaces_, index));
}

size_t SimWorkspaces::count_raw() const {
  if (refused("Workspaces.count")) return 0;
  return workspaces_.size();
}

}  // namespace fsim

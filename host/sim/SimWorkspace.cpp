// The simulated workspace.
#include "host/sim/SimWorkspace.h"

#include "host/sim/HostArrays.h"
#include "host/sim/SimToolbarPanels.h"

namespace fsim {

SimWorkspace::SimWorkspace(std::string id, const std::vector<std::string>& panelIds)
    : id_(std::move(id)), panels_(std::make_shared<SimToolbarPanels>()) {
  for (const std::string& panelId : panelIds) panels_->addPanel(panelId);
}

void SimWorkspace::markDeleted() {
  SimObject::markDeleted();
  panels_->markDeleted();
}

adsk::core::ToolbarPanels* SimWorkspace::toolbarPanels_raw() const {
  if (refused("Workspace.toolbarPanels")) return nullptr;
  return handOut(panels_);
}

char* SimWorkspace::id_raw() const {
  if (refused("Workspace.id")) return nullptr;
  return newHostString(id_);
}

}  // namespace fsim

// The simulated toolbar panels.
#include "host/sim/SimToolbarPanels.h"

#include "host/sim/Lookup.h"
#include "host/sim/SimToolbarPanel.h"

namespace fsim {

void SimToolbarPanels::addPanel(const std::string& id) {
  panels_.push_back(SimToolbarPanel::create(id));
}

std::shared_ptr<SimToolbarPanel> SimToolbarPanels::find(const std::string& id) const {
  return childById(panels_, id.c_str());
}

bool SimToolbarPanels::removePanel(const std::string& id) {
  std::shared_ptr<SimToolbarPanel> panel = find(id);
  if (!panel) return false;
  panel->markDeleted();
  return removeChild(panels_, panel.get());
}

void SimToolbarPanels::markDeleted() {
  SimObject::markDeleted();
  for (auto& panel : panels_) panel->markDeleted();
}

adsk::core::ToolbarPanel* SimToolbarPanels::itemById_raw(const char* id) const {
  if (refused("ToolbarPanels.itemById")) return nullptr;
  return handOut(childById(panels_, id));
}

adsk::core::ToolbarPanel* SimToolbarPanels::item_raw(size_t index) const {
  if (refused("ToolbarPanels.item")) return nullptr;
  return handOut(childAt(panels_, index));
}

size_t SimToolbarPanels::count_raw() const {
  if (refused("ToolbarPanels.count")) return 0;
  return panels_.size();
}

}  // namespace fsim

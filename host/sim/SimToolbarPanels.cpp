// The simulated toolbar panels.
#include "host/sim/SimToolbarPanels.h"

#include "host/sim/HostArrays.h"
#include "host/sim/Lookup.h"
#include "host/sim/SimToolbarControls.h"

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

std::shared_ptr<SimToolbarPanel> SimToolbarPanel::create(const std::string& id) {
  auto panel = std::make_shared<SimToolbarPanel>(id);
  panel->controls_ = std::make_shared<SimToolbarControls>(panel);
  return panel;
}

void SimToolbarPanel::markDeleted() {
  SimObject::markDeleted();
  controls_->markDeleted();
}

adsk::core::ToolbarControls* SimToolbarPanel::controls_raw() const {
  if (refused("ToolbarPanel.controls")) return nullptr;
  return handOut(controls_);
}

char* SimToolbarPanel::id_raw() const {
  if (refused("ToolbarPanel.id")) return nullptr;
  return newHostString(id_);
}

bool SimToolbarPanel::isVisible_raw() const { return !refused("ToolbarPanel.isVisible"); }

}  // namespace fsim

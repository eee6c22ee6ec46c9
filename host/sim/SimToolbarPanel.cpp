// The simulated toolbar panel.
#include "host/sim/SimToolbarPanel.h"

#include "host/sim/HostArrays.h"
#include "host/sim/SimToolbarControls.h"

namespace fsim {

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

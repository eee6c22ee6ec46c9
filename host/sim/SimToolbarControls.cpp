// The simulated panel controls.
#include "host/sim/SimToolbarControls.h"

#include "host/sim/Lookup.h"
#include "host/sim/SimCommandControl.h"
#include "host/sim/SimCommandDefinition.h"

namespace fsim {

std::shared_ptr<SimCommandControl> SimToolbarControls::find(const std::string& id) const {
  return childById(controls_, id.c_str());
}

bool SimToolbarControls::remove(const SimCommandControl* control) {
  return removeChild(controls_, control);
}

int SimToolbarControls::indexOf(const SimCommandControl* control) const {
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].get() == control) return static_cast<int>(i);
  }
  return -1;
}

void SimToolbarControls::markDeleted() {
  SimObject::markDeleted();
  for (auto& control : controls_) control->markDeleted();
}

adsk::core::ToolbarControl* SimToolbarControls::itemById_raw(const char* id) const {
  if (refused("ToolbarControls.itemById")) return nullptr;
  return handOut(childById(controls_, id));
}

adsk::core::ToolbarControl* SimToolbarControls::item_raw(size_t index) const {
  if (refused("ToolbarControls.item")) return nullptr;
  return handOut(childAt(controls_, index));
}

size_t SimToolbarControls::count_raw() const {
  if (refused("ToolbarControls.count")) return 0;
  return controls_.size();
}

adsk::core::CommandControl* SimToolbarControls::addCommand_raw(
    adsk::core::CommandDefinition* commandDefinition, const char* positionID, bool isBefore) {
  if (refused("ToolbarControls.addCommand") || !commandDefinition) return nullptr;
  auto* definition = dynamic_cast<SimCommandDefinition*>(commandDefinition);
  if (!definition || !definition->alive()) return nullptr;
  // One control per definition and panel, as its ID is the definition's.
  if (find(definition->id())) return nullptr;
  auto position = controls_.end();
  if (positionID && *positionID) {
    std::shared_ptr<SimCommandControl> anchor = find(positionID);
    if (!anchor) return nullptr;
    position = controls_.begin() + indexOf(anchor.get()) + (isBefore ? 0 : 1);
  }
  auto control = std::make_shared<SimCommandControl>(
      std::static_pointer_cast<SimCommandDefinition>(definition->shared_from_this()), panel_,
      std::static_pointer_cast<SimToolbarControls>(shared_from_this()));
  controls_.insert(position, control);
  return handOut(control);
}

}  // namespace fsim

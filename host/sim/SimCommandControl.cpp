// The simulated command control.
#include "host/sim/SimCommandControl.h"

#include "host/sim/HostArrays.h"
#include "host/sim/SimCommandDefinition.h"
#include "host/sim/SimToolbarControls.h"

namespace fsim {

SimCommandControl::SimCommandControl(std::shared_ptr<SimCommandDefinition> definition,
                                     std::weak_ptr<SimObject> panel,
                                     std::weak_ptr<SimToolbarControls> controls)
    : id_(definition->id()),
      definition_(definition),
      panel_(std::move(panel)),
      controls_(std::move(controls)) {}

std::shared_ptr<SimCommandDefinition> SimCommandControl::definition() const {
  std::shared_ptr<SimCommandDefinition> definition = definition_.lock();
  return definition && definition->alive() ? definition : nullptr;
}

char* SimCommandControl::id_raw() const {
  if (refused("ToolbarControl.id")) return nullptr;
  return newHostString(id_);
}

size_t SimCommandControl::index_raw() const {
  if (refused("ToolbarControl.index")) return 0;
  std::shared_ptr<SimToolbarControls> controls = controls_.lock();
  return controls ? static_cast<size_t>(controls->indexOf(this)) : 0;
}

bool SimCommandControl::isVisible_raw() const {
  return !refused("ToolbarControl.isVisible") && visible_;
}

bool SimCommandControl::isVisible_raw(bool value) {
  if (refused("ToolbarControl.isVisible")) return false;
  visible_ = value;
  return true;
}

adsk::core::Base* SimCommandControl::parent_raw() const {
  if (refused("ToolbarControl.parent")) return nullptr;
  return handOutAs(panel_.lock().get());
}

bool SimCommandControl::deleteMe_raw() {
  if (refused("ToolbarControl.deleteMe")) return false;
  std::shared_ptr<SimToolbarControls> controls = controls_.lock();
  // Keep this object alive while its owner lets go of it.
  std::shared_ptr<SimObject> self = shared_from_this();
  markDeleted();
  if (controls) controls->remove(this);
  return true;
}

adsk::core::CommandDefinition* SimCommandControl::commandDefinition_raw() const {
  if (refused("CommandControl.commandDefinition")) return nullptr;
  return handOut(definition());
}

bool SimCommandControl::isPromoted_raw() const {
  return !refused("CommandControl.isPromoted") && promoted_;
}

bool SimCommandControl::isPromoted_raw(bool value) {
  if (refused("CommandControl.isPromoted")) return false;
  promoted_ = value;
  return true;
}

bool SimCommandControl::isPromotedByDefault_raw() const {
  return !refused("CommandControl.isPromotedByDefault") && promotedByDefault_;
}

bool SimCommandControl::isPromotedByDefault_raw(bool value) {
  if (refused("CommandControl.isPromotedByDefault")) return false;
  promotedByDefault_ = value;
  return true;
}

}  // namespace fsim

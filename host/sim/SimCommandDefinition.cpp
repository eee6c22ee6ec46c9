// The simulated command definition.
#include "host/sim/SimCommandDefinition.h"

#include "host/sim/HostArrays.h"
#include "host/sim/SimCommand.h"
#include "host/sim/SimCommandCreatedEvent.h"
#include "host/sim/SimCommandDefinitions.h"

namespace fsim {

std::shared_ptr<SimCommandDefinition> SimCommandDefinition::create(
    const std::string& id, const std::string& name, const std::string& tooltip,
    const std::string& resourceFolder, std::weak_ptr<SimCommandDefinitions> definitions) {
  auto definition = std::make_shared<SimCommandDefinition>(id, name, tooltip, resourceFolder,
                                                           std::move(definitions));
  definition->commandCreated_ = std::make_shared<SimCommandCreatedEvent>(definition);
  return definition;
}

void SimCommandDefinition::markDeleted() {
  SimObject::markDeleted();
  commandCreated_->markDeleted();
}

adsk::core::CommandCreatedEvent* SimCommandDefinition::commandCreated_raw() const {
  if (refused("CommandDefinition.commandCreated")) return nullptr;
  return handOut(commandCreated_);
}

bool SimCommandDefinition::deleteMe_raw() {
  if (refused("CommandDefinition.deleteMe")) return false;
  std::shared_ptr<SimObject> self = shared_from_this();
  markDeleted();
  if (auto owner = owner_.lock()) owner->remove(this);
  return true;
}

char* SimCommandDefinition::id_raw() const {
  if (refused("CommandDefinition.id")) return nullptr;
  return newHostString(id_);
}

char* SimCommandDefinition::name_raw() const {
  if (refused("CommandDefinition.name")) return nullptr;
  return newHostString(name_);
}

bool SimCommandDefinition::name_raw(const char* value) {
  if (refused("CommandDefinition.name") || !value) return false;
  name_ = value;
  return true;
}

char* SimCommandDefinition::tooltip_raw() const {
  if (refused("CommandDefinition.tooltip")) return nullptr;
  return newHostString(tooltip_);
}

char* SimCommandDefinition::resourceFolder_raw() const {
  if (refused("CommandDefinition.resourceFolder")) return nullptr;
  return newHostString(resourceFolder_);
}

bool SimCommandDefinition::isNative_raw() const {
  refused("CommandDefinition.isNative");
  return false;
}

bool SimCommandDefinition::execute_raw(adsk::core::NamedValues* /*input*/) const {
  if (refused("CommandDefinition.execute")) return false;
  startCommand(std::static_pointer_cast<SimCommandDefinition>(
      std::const_pointer_cast<SimObject>(shared_from_this())));
  return true;
}

}  // namespace fsim

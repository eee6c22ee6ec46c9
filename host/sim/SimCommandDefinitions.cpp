// The simulated command definitions.
#include "host/sim/SimCommandDefinitions.h"

#include <cctype>

#include "host/sim/Lookup.h"
#include "host/sim/SimCommandDefinition.h"

namespace fsim {

namespace {

// Definition IDs are identifiers: letters, digits and underscores, not empty.
bool validDefinitionId(const char* id) {
  if (!id || !*id) return false;
  for (const char* c = id; *c; ++c) {
    if (!std::isalnum(static_cast<unsigned char>(*c)) && *c != '_') return false;
  }
  return true;
}

}  // namespace

std::shared_ptr<SimCommandDefinition> SimCommandDefinitions::find(const std::string& id) const {
  return childById(definitions_, id.c_str());
}

bool SimCommandDefinitions::remove(const SimCommandDefinition* definition) {
  return removeChild(definitions_, definition);
}

void SimCommandDefinitions::markDeleted() {
  SimObject::markDeleted();
  for (auto& definition : definitions_) definition->markDeleted();
}

adsk::core::CommandDefinition* SimCommandDefinitions::itemById_raw(const char* id) const {
  if (refused("CommandDefinitions.itemById")) return nullptr;
  return handOut(childById(definitions_, id));
}

adsk::core::CommandDefinition* SimCommandDefinitions::addButtonDefinition_raw(
    const char* id, const char* name, const char* tooltip, const char* resourceFolder) {
  if (refused("CommandDefinitions.addButtonDefinition")) return nullptr;
  if (!validDefinitionId(id) || find(id)) return nullptr;
  auto definition = SimCommandDefinition::create(
      id, name ? name : "", tooltip ? tooltip : "", resourceFolder ? resourceFolder : "",
      std::static_pointer_cast<SimCommandDefinitions>(shared_from_this()));
  definitions_.push_back(definition);
  return handOut(definition);
}

adsk::core::CommandDefinition* SimCommandDefinitions::item_raw(size_t index) const {
  if (refused("CommandDefinitions.item")) return nullptr;
  return handOut(childAt(definitions_, index));
}

size_t SimCommandDefinitions::count_raw() const {
  if (refused("CommandDefinitions.count")) return 0;
  return definitions_.size();
}

}  // namespace fsim

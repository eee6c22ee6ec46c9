// The user interface's command definitions: the API-created button definitions, found by ID.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/Sim.h"

namespace fsim {

class SimCommandDefinition;

class SimCommandDefinitions : public Sim<adsk::core::CommandDefinitions> {
 public:
  /// The definition with that ID, or null.
  std::shared_ptr<SimCommandDefinition> find(const std::string& id) const;
  /// Takes the definition out (it becomes invalid); false if it is not there.
  bool remove(const SimCommandDefinition* definition);
  void markDeleted() override;

 private:
  adsk::core::CommandDefinition* itemById_raw(const char* id) const override;
  adsk::core::CommandDefinition* addButtonDefinition_raw(const char* id, const char* name,
                                                         const char* tooltip,
                                                         const char* resourceFolder) override;
  adsk::core::CommandDefinition* item_raw(size_t index) const override;
  size_t count_raw() const override;

  std::vector<std::shared_ptr<SimCommandDefinition>> definitions_;
};

}  // namespace fsim

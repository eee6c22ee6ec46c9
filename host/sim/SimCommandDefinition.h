// A button command definition: its ID, name, tooltip and icon folder, and the command-created
// event that each click (or execute) raises with a new command.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>

#include "host/sim/Sim.h"

namespace fsim {

class SimCommandCreatedEvent;
class SimCommandDefinitions;

class SimCommandDefinition : public Sim<adsk::core::CommandDefinition> {
 public:
  static std::shared_ptr<SimCommandDefinition> create(
      const std::string& id, const std::string& name, const std::string& tooltip,
      const std::string& resourceFolder, std::weak_ptr<SimCommandDefinitions> definitions);
  SimCommandDefinition(std::string id, std::string name, std::string tooltip,
                       std::string resourceFolder, std::weak_ptr<SimCommandDefinitions> owner)
      : id_(std::move(id)),
        name_(std::move(name)),
        tooltip_(std::move(tooltip)),
        resourceFolder_(std::move(resourceFolder)),
        owner_(std::move(owner)) {}

  const std::string& id() const { return id_; }
  const std::string& name() const { return name_; }
  const std::string& tooltip() const { return tooltip_; }
  const std::string& resourceFolder() const { return resourceFolder_; }
  SimCommandCreatedEvent& commandCreated() const { return *commandCreated_; }
  void markDeleted() override;

 private:
  adsk::core::CommandCreatedEvent* commandCreated_raw() const override;
  bool deleteMe_raw() override;
  char* id_raw() const override;
  char* name_raw() const override;
  bool name_raw(const char* value) override;
  char* tooltip_raw() const override;
  char* resourceFolder_raw() const override;
  bool isNative_raw() const override;
  bool execute_raw(adsk::core::NamedValues* input) const override;

  std::string id_, name_, tooltip_, resourceFolder_;
  std::weak_ptr<SimCommandDefinitions> owner_;
  std::shared_ptr<SimCommandCreatedEvent> commandCreated_;
};

}  // namespace fsim

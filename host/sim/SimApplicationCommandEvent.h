// The user interface's command-starting and command-terminated events, raised for every command
// the simulated host plays, with the command's ID and why it ended.
#pragma once

#include <memory>

#include "host/sim/SimEvent.h"

namespace fsim {

class SimApplicationCommandEvent : public SimEvent<adsk::core::ApplicationCommandEvent,
                                                   adsk::core::ApplicationCommandEventHandler,
                                                   adsk::core::ApplicationCommandEventArgs> {
 public:
  SimApplicationCommandEvent(std::string name, std::weak_ptr<SimObject> userInterface)
      : SimEvent(std::move(name), std::move(userInterface), "ApplicationCommandEvent.add",
                 "ApplicationCommandEvent.remove") {}
};

/// The arguments: the command's ID, its definition when it has one, and the reason.
class SimApplicationCommandEventArgs : public Sim<adsk::core::ApplicationCommandEventArgs> {
 public:
  SimApplicationCommandEventArgs(std::string commandId, std::shared_ptr<SimObject> definition,
                                 adsk::core::CommandTerminationReason reason,
                                 std::shared_ptr<SimObject> firingEvent)
      : commandId_(std::move(commandId)),
        definition_(std::move(definition)),
        reason_(reason),
        firingEvent_(std::move(firingEvent)) {}

 private:
  adsk::core::Event* firingEvent_raw() const override;
  adsk::core::CommandDefinition* commandDefinition_raw() const override;
  char* commandId_raw() const override;
  bool isCanceled_raw() const override { return canceled_; }
  bool isCanceled_raw(bool value) override;
  adsk::core::CommandTerminationReason terminationReason_raw() const override;

  std::string commandId_;
  std::shared_ptr<SimObject> definition_;
  adsk::core::CommandTerminationReason reason_;
  std::shared_ptr<SimObject> firingEvent_;
  bool canceled_ = false;
};

}  // namespace fsim

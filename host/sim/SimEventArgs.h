// What the arguments of command events share: the command, and the event that fires them.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>

#include "host/sim/HostArrays.h"
#include "host/sim/Sim.h"

namespace fsim {

class SimCommand;

/// Api is CommandCreatedEventArgs or CommandEventArgs.
template <class Api>
class SimEventArgsOf : public Sim<Api> {
 public:
  SimEventArgsOf(std::shared_ptr<SimCommand> command, std::shared_ptr<SimObject> firingEvent)
      : command_(std::move(command)), firingEvent_(std::move(firingEvent)) {}

 protected:
  adsk::core::Event* firingEvent_raw() const override {
    if (this->refused("EventArgs.firingEvent")) return nullptr;
    return handOutAs<adsk::core::Event>(firingEvent_.get());
  }
  adsk::core::Command* command_raw() const override;

  std::shared_ptr<SimCommand> command_;
  std::shared_ptr<SimObject> firingEvent_;
};

}  // namespace fsim

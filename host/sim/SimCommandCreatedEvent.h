// The command-created event of a command definition, raised with a new command on each click.
#pragma once

#include <memory>

#include "host/sim/SimEvent.h"

namespace fsim {

class SimCommandCreatedEvent
    : public SimEvent<adsk::core::CommandCreatedEvent, adsk::core::CommandCreatedEventHandler,
                      adsk::core::CommandCreatedEventArgs> {
 public:
  explicit SimCommandCreatedEvent(std::weak_ptr<SimObject> definition)
      : SimEvent("commandCreated", std::move(definition), "CommandCreatedEvent.add",
                 "CommandCreatedEvent.remove") {}
};

}  // namespace fsim

// A command's execute, destroy or executePreview event; the command is its sender.
#pragma once

#include <memory>
#include <string>

#include "host/sim/SimEvent.h"

namespace fsim {

class SimCommandEvent : public SimEvent<adsk::core::CommandEvent, adsk::core::CommandEventHandler,
                                        adsk::core::CommandEventArgs> {
 public:
  /// name: "execute", "destroy" or "executePreview"; command: the sender.
  SimCommandEvent(std::string name, std::weak_ptr<SimObject> command)
      : SimEvent(std::move(name), std::move(command), "CommandEvent.add", "CommandEvent.remove") {}
};

}  // namespace fsim

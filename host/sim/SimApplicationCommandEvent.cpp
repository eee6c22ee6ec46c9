// The application's command events' arguments.
#include "host/sim/SimApplicationCommandEvent.h"

#include "host/sim/HostArrays.h"

namespace fsim {

adsk::core::Event* SimApplicationCommandEventArgs::firingEvent_raw() const {
  if (refused("EventArgs.firingEvent")) return nullptr;
  return handOutAs<adsk::core::Event>(firingEvent_.get());
}

adsk::core::CommandDefinition* SimApplicationCommandEventArgs::commandDefinition_raw() const {
  if (refused("ApplicationCommandEventArgs.commandDefinition")) return nullptr;
  return handOutAs<adsk::core::CommandDefinition>(definition_.get());
}

char* SimApplicationCommandEventArgs::commandId_raw() const {
  if (refused("ApplicationCommandEventArgs.commandId")) return nullptr;
  return newHostString(commandId_);
}

bool SimApplicationCommandEventArgs::isCanceled_raw(bool value) {
  if (refused("ApplicationCommandEventArgs.isCanceled")) return false;
  canceled_ = value;
  return true;
}

adsk::core::CommandTerminationReason SimApplicationCommandEventArgs::terminationReason_raw() const {
  if (refused("ApplicationCommandEventArgs.terminationReason")) {
    return adsk::core::UnknownTerminationReason;
  }
  return reason_;
}

}  // namespace fsim

// The arguments of the command-created event: the new command.
#pragma once

#include "host/sim/SimEventArgs.h"

namespace fsim {

class SimCommandCreatedEventArgs : public SimEventArgsOf<adsk::core::CommandCreatedEventArgs> {
 public:
  using SimEventArgsOf::SimEventArgsOf;
};

}  // namespace fsim

// The handler of a command definition's command-created event. Add-ins derive from it and
// attach an instance with CommandCreatedEvent::add; the arguments carry the new Command.
#pragma once

#include "../Application/EventHandler.h"
#include "../Memory.h"

namespace adsk {
namespace core {

class CommandCreatedEventArgs;

class CommandCreatedEventHandler : public EventHandler {
 public:
  /// Called by the host, on its own thread, each time the command is created.
  virtual void notify(const Ptr<CommandCreatedEventArgs>& eventArgs) = 0;
};

}  // namespace core
}  // namespace adsk

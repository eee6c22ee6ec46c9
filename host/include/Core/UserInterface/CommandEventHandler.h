// The handler of a running command's events (execute, preview, destroy). Add-ins derive from it
// and attach an instance with CommandEvent::add; the arguments carry the command.
#pragma once

#include "../Application/EventHandler.h"
#include "../Memory.h"

namespace adsk {
namespace core {

class CommandEventArgs;

class CommandEventHandler : public EventHandler {
 public:
  /// Called by the host, on its own thread, each time the event fires.
  virtual void notify(const Ptr<CommandEventArgs>& eventArgs) = 0;
};

}  // namespace core
}  // namespace adsk

// The handler of the application's command-starting and command-terminated events. Add-ins
// derive from it and attach an instance with ApplicationCommandEvent::add.
#pragma once

#include "../Application/EventHandler.h"
#include "../Memory.h"

namespace adsk {
namespace core {

class ApplicationCommandEventArgs;

class ApplicationCommandEventHandler : public EventHandler {
 public:
  /// Called by the host, on its own thread, for every command that starts or ends.
  virtual void notify(const Ptr<ApplicationCommandEventArgs>& eventArgs) = 0;
};

}  // namespace core
}  // namespace adsk

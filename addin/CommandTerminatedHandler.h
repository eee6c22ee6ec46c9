// The handler the host calls whenever any command of the application ends. After every command
// other than the add-in's own (whose OK already refits its curve), however it ended, it lets the
// formula curves follow the design's parameters. The add-in has exactly one, attached by run,
// removed by stop.
#pragma once

#include <Core/CoreAll.h>

#include "curvehost/ParameterFollower.h"

namespace vintrel::addin {

class CommandTerminatedHandler : public adsk::core::ApplicationCommandEventHandler {
 public:
  /// Passes each check on to `follower` with `application` as it holds at that moment (empty
  /// before run and after stop). Both must outlive the handler.
  CommandTerminatedHandler(curvehost::ParameterFollower& follower,
                           const adsk::core::Ptr<adsk::core::Application>& application);

  /// Runs the follower's check for an ended command whose ID is not kCommandId, whatever its
  /// termination reason. Standard exceptions stay inside.
  void notify(const adsk::core::Ptr<adsk::core::ApplicationCommandEventArgs>& eventArgs) override;

  /// Attaches to `ui`'s commandTerminated event unless attached already; a refusal of the host
  /// leaves the curves not following, and the command itself working.
  void attachTo(const adsk::core::Ptr<adsk::core::UserInterface>& ui);
  /// Detaches when attached; true when not attached afterwards, false when the host refused (the
  /// host would otherwise keep calling a handler whose library may be unloaded).
  bool detachFrom(const adsk::core::Ptr<adsk::core::UserInterface>& ui);

 private:
  curvehost::ParameterFollower& follower_;
  const adsk::core::Ptr<adsk::core::Application>& application_;
  bool attached_ = false;
};

/// The one instance, given the module state's follower and application.
extern CommandTerminatedHandler commandTerminatedHandler;

}  // namespace vintrel::addin

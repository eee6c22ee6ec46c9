// The handler the host calls whenever any command of the application ends. After a completed
// command other than Sorvane (whose OK already refits its curve), it lets the formula curves
// follow the design's parameters. The add-in has exactly one, attached by run, removed by stop.
#pragma once

#include <Core/CoreAll.h>

class CommandTerminatedHandler : public adsk::core::ApplicationCommandEventHandler {
 public:
  /// Runs the module's ParameterFollower check for a completed command that is not
  /// "vtlCommandOnPanel"; cancelled and aborted commands changed nothing. Standard exceptions
  /// stay inside.
  void notify(const adsk::core::Ptr<adsk::core::ApplicationCommandEventArgs>& eventArgs) override;

  /// Attaches to `ui`'s commandTerminated event unless attached already; a refusal of the host
  /// leaves the curves not following, and the command itself working.
  void attachTo(const adsk::core::Ptr<adsk::core::UserInterface>& ui);
  /// Detaches when attached; true when not attached afterwards, false when the host refused (the
  /// host would otherwise keep calling a handler whose library may be unloaded).
  bool detachFrom(const adsk::core::Ptr<adsk::core::UserInterface>& ui);

 private:
  bool attached_ = false;
};

/// The one instance.
extern CommandTerminatedHandler commandTerminatedHandler;

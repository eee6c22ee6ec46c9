// The handler the host calls when the user clicks the add-in's button. It carries the three
// handlers that every created command gets (execute, destroy, preview) and builds the dialog.
// The add-in has exactly one, commandCreatedHandler, built when the library loads.
#pragma once

#include <Core/CoreAll.h>

#include <memory>

#include "fusionkit/CatchingCommandEventHandler.h"

namespace vintrel::addin {

class CommandCreatedOnPanelHandler : public adsk::core::CommandCreatedEventHandler {
 public:
  /// Builds the preview, execute and destroy handlers, in that order.
  CommandCreatedOnPanelHandler();
  /// Drops the preview, destroy and execute handlers, in that order.
  ~CommandCreatedOnPanelHandler() override;

  /// Builds the dialog of the created command (dialog::defineCommandDialog) with the three
  /// handlers and the module state's application, preview and edited curve. Nothing is caught: a
  /// missing command event leaves as hv::f360::NullObjectError.
  void notify(const adsk::core::Ptr<adsk::core::CommandCreatedEventArgs>& eventArgs) override;

 private:
  // Destroyed in reverse: preview, destroy, execute.
  std::shared_ptr<hv::f360::CatchingCommandEventHandler> executeHandler_;
  std::shared_ptr<hv::f360::CatchingCommandEventHandler> destroyHandler_;
  std::shared_ptr<hv::f360::CatchingCommandEventHandler> previewHandler_;
};

/// The one instance, attached by run to the command definition's created event.
extern CommandCreatedOnPanelHandler commandCreatedHandler;

}  // namespace vintrel::addin

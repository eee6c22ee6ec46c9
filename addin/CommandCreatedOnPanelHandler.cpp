#include "addin/CommandCreatedOnPanelHandler.h"

#include "addin/ModuleState.h"
#include "dialog/createCurveInSketch.h"
#include "dialog/defineCommandDialog.h"
#include "dialog/updatePreview.h"
#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using hv::f360::CatchingCommandEventHandler;

namespace vintrel::addin {

namespace {

void previewCommand(const Ptr<CommandEventArgs>& eventArgs) {
  hv::f360::throwIfNull(eventArgs);
  Ptr<Command> command = eventArgs->command();
  if (!command) return;
  Ptr<CommandInputs> inputs = command->commandInputs();
  ModuleState& state = moduleState();
  if (inputs) dialog::updatePreview(inputs, state.application, state.curvePreview, state.curveEdit);
}

void createCurve(const Ptr<CommandEventArgs>& eventArgs) {
  ModuleState& state = moduleState();
  dialog::createCurveInSketch(eventArgs, state.application, state.curveEdit);
}

void endPreview(const Ptr<CommandEventArgs>&) {
  ModuleState& state = moduleState();
  state.curvePreview.clear();
  state.curveEdit = dialog::CurveEdit{};
}

}  // namespace

CommandCreatedOnPanelHandler::CommandCreatedOnPanelHandler() {
  previewHandler_ = std::make_shared<CatchingCommandEventHandler>(previewCommand);
  executeHandler_ = std::make_shared<CatchingCommandEventHandler>(createCurve);
  destroyHandler_ = std::make_shared<CatchingCommandEventHandler>(endPreview);
}

CommandCreatedOnPanelHandler::~CommandCreatedOnPanelHandler() = default;

void CommandCreatedOnPanelHandler::notify(const Ptr<CommandCreatedEventArgs>& eventArgs) {
  ModuleState& state = moduleState();
  dialog::defineCommandDialog(eventArgs, executeHandler_.get(), destroyHandler_.get(),
                              previewHandler_.get(), state.application, state.curvePreview,
                              state.curveEdit);
}

}  // namespace vintrel::addin

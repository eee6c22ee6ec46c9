#include "addin/CommandCreatedOnPanelHandler.h"

#include "addin/ModuleState.h"
#include "dialog/createCurveInSketch.h"
#include "dialog/defineCommandDialog.h"
#include "dialog/updatePreview.h"
#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using hv::f360::CatchingCommandEventHandler;
using vintrel::dialog::createCurveInSketch;
using vintrel::dialog::CurveEdit;
using vintrel::dialog::defineCommandDialog;
using vintrel::dialog::updatePreview;

namespace {

void previewCommand(const Ptr<CommandEventArgs>& eventArgs) {
  hv::f360::throwIfNull(eventArgs);
  Ptr<Command> command = eventArgs->command();
  if (!command) return;
  Ptr<CommandInputs> inputs = command->commandInputs();
  if (inputs) updatePreview(inputs, application, curvePreview, curveEdit);
}

void createCurve(const Ptr<CommandEventArgs>& eventArgs) {
  createCurveInSketch(eventArgs, application, curveEdit);
}

void endPreview(const Ptr<CommandEventArgs>&) {
  curvePreview.clear();
  curveEdit = CurveEdit{};
}

}  // namespace

CommandCreatedOnPanelHandler::CommandCreatedOnPanelHandler() {
  previewHandler_ = std::make_shared<CatchingCommandEventHandler>(previewCommand);
  executeHandler_ = std::make_shared<CatchingCommandEventHandler>(createCurve);
  destroyHandler_ = std::make_shared<CatchingCommandEventHandler>(endPreview);
}

CommandCreatedOnPanelHandler::~CommandCreatedOnPanelHandler() = default;

void CommandCreatedOnPanelHandler::notify(const Ptr<CommandCreatedEventArgs>& eventArgs) {
  defineCommandDialog(eventArgs, executeHandler_.get(), destroyHandler_.get(),
                      previewHandler_.get(), application, curvePreview, curveEdit);
}

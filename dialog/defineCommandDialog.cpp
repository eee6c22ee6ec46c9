#include "dialog/defineCommandDialog.h"

#include "curve/NullObjectError.h"
#include "dialog/DialogIds.h"
#include "dialog/ModuleState.h"
#include "dialog/updatePreview.h"

using namespace adsk::core;
using hv::f360::throwIfNull;

namespace {

constexpr int kStatusRows = 5;

void attach(const Ptr<CommandEvent>& event, CommandEventHandler* handler) {
  throwIfNull(event);
  event->add(handler);
}

// The add-in keeps no input: each result is let go at once and found again by its ID.
void addInputs(const Ptr<CommandInputs>& inputs) {
  inputs->addStringValueInput(kXFunctionInputId, "x(t) =", "cos(2 * pi * t)");
  inputs->addStringValueInput(kYFunctionInputId, "y(t) =", "sin(2 * pi * t)");
  inputs->addStringValueInput(kZFunctionInputId, "z(t) =", "t");
  // An empty unit type keeps t a plain number, with no unit conversion anywhere.
  inputs->addValueInput(kMinTValueInputId, "Starting t Value", "",
                        ValueInput::createByString("0.0"));
  inputs->addValueInput(kMaxTValueInputId, "Ending t Value", "", ValueInput::createByString("3.0"));
  inputs->addTextBoxCommandInput(statusDisplayId, "Notifications", "", kStatusRows, true);
}

}  // namespace

void defineCommandDialog(const Ptr<CommandCreatedEventArgs>& eventArgs,
                         CommandEventHandler* executeHandler, CommandEventHandler* destroyHandler,
                         CommandEventHandler* previewHandler) {
  if (!eventArgs) return;
  Ptr<Command> command = eventArgs->command();
  if (!command) return;
  command->helpFile(kHelpFile);
  attach(command->execute(), executeHandler);
  attach(command->destroy(), destroyHandler);
  attach(command->executePreview(), previewHandler);
  Ptr<CommandInputs> inputs = command->commandInputs();
  if (!inputs) return;
  addInputs(inputs);
  updatePreview(inputs);
}

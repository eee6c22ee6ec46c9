#include "dialog/defineCommandDialog.h"

#include "dialog/CommandTexts.h"
#include "dialog/updatePreview.h"
#include "fusionkit/NullObjectError.h"

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
  inputs->addStringValueInput(kXFunctionInputId, kXFunctionLabel, kDefaultXFunction);
  inputs->addStringValueInput(kYFunctionInputId, kYFunctionLabel, kDefaultYFunction);
  inputs->addStringValueInput(kZFunctionInputId, kZFunctionLabel, kDefaultZFunction);
  // An empty unit type keeps t a plain number, with no unit conversion anywhere.
  inputs->addValueInput(kMinTValueInputId, kMinTValueLabel, "",
                        ValueInput::createByString(kDefaultMinTValue));
  inputs->addValueInput(kMaxTValueInputId, kMaxTValueLabel, "",
                        ValueInput::createByString(kDefaultMaxTValue));
  inputs->addTextBoxCommandInput(kStatusDisplayId, kStatusDisplayLabel, "", kStatusRows, true);
}

}  // namespace

void defineCommandDialog(const Ptr<CommandCreatedEventArgs>& eventArgs,
                         CommandEventHandler* executeHandler, CommandEventHandler* destroyHandler,
                         CommandEventHandler* previewHandler, const Ptr<Application>& application,
                         CurvePreview& preview) {
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
  updatePreview(inputs, application, preview);
}

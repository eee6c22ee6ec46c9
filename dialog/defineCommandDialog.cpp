#include "dialog/defineCommandDialog.h"

#include <optional>
#include <string>

#include "curve/text/shortestText.h"
#include "dialog/CommandTexts.h"
#include "dialog/updatePreview.h"
#include "fusionkit/NullObjectError.h"

using vintrel::curve::CurveRequest;
using vintrel::curve::shortestText;

using namespace adsk::core;
using hv::f360::throwIfNull;

namespace vintrel::dialog {

namespace {

constexpr int kStatusRows = 5;

void attach(const Ptr<CommandEvent>& event, CommandEventHandler* handler) {
  throwIfNull(event);
  event->add(handler);
}

// The texts the inputs start with: the stored curve's, or the defaults.
struct InitialTexts {
  std::string x = kDefaultXFunction, y = kDefaultYFunction, z = kDefaultZFunction;
  std::string tStart = kDefaultMinTValue, tEnd = kDefaultMaxTValue;
};

InitialTexts initialTexts(const std::optional<CurveRequest>& stored) {
  if (!stored) return {};
  // The shortest text of a stored t value reads back as that very value.
  return {stored->xExpression, stored->yExpression, stored->zExpression,
          shortestText(stored->tStart), shortestText(stored->tEnd)};
}

// The add-in keeps no input: each result is let go at once and found again by its ID.
void addInputs(const Ptr<CommandInputs>& inputs, const InitialTexts& texts) {
  inputs->addStringValueInput(kXFunctionInputId, kXFunctionLabel, texts.x);
  inputs->addStringValueInput(kYFunctionInputId, kYFunctionLabel, texts.y);
  inputs->addStringValueInput(kZFunctionInputId, kZFunctionLabel, texts.z);
  // An empty unit type keeps t a plain number, with no unit conversion anywhere.
  inputs->addValueInput(kMinTValueInputId, kMinTValueLabel, "",
                        ValueInput::createByString(texts.tStart));
  inputs->addValueInput(kMaxTValueInputId, kMaxTValueLabel, "",
                        ValueInput::createByString(texts.tEnd));
  inputs->addTextBoxCommandInput(kStatusDisplayId, kStatusDisplayLabel, "", kStatusRows, true);
}

}  // namespace

void defineCommandDialog(const Ptr<CommandCreatedEventArgs>& eventArgs,
                         CommandEventHandler* executeHandler, CommandEventHandler* destroyHandler,
                         CommandEventHandler* previewHandler, const Ptr<Application>& application,
                         CurvePreview& preview, CurveEdit& edit) {
  edit = CurveEdit{};
  if (!eventArgs) return;
  Ptr<Command> command = eventArgs->command();
  if (!command) return;
  OpenedCurve opened = openSelectedCurve(application);
  edit = opened.edit;
  command->helpFile(kHelpFile);
  attach(command->execute(), executeHandler);
  attach(command->destroy(), destroyHandler);
  attach(command->executePreview(), previewHandler);
  Ptr<CommandInputs> inputs = command->commandInputs();
  if (!inputs) return;
  addInputs(inputs, initialTexts(opened.request));
  updatePreview(inputs, application, preview, edit);
}

}  // namespace vintrel::dialog

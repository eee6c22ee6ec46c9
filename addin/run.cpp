#include <exception>
#include <string>

#include "addin/CommandCreatedOnPanelHandler.h"
#include "addin/CommandTerminatedHandler.h"
#include "addin/EntryPoints.h"
#include "addin/ModuleState.h"
#include "addin/sketchPanelControls.h"
#include "addin/unexpectedErrorMessage.h"
#include "dialog/CommandTexts.h"
#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using hv::f360::throwIfNull;
using vintrel::dialog::kCommandId;
using vintrel::dialog::kCommandName;
using vintrel::dialog::kCommandResourceFolder;
using vintrel::dialog::kCommandTooltip;

namespace vintrel::addin {

namespace {

Ptr<CommandDefinition> findOrAddDefinition(const Ptr<UserInterface>& ui) {
  Ptr<CommandDefinitions> definitions = ui->commandDefinitions();
  throwIfNull(definitions);
  Ptr<CommandDefinition> definition = definitions->itemById(kCommandId);
  if (!definition) {
    definition = definitions->addButtonDefinition(kCommandId, kCommandName, kCommandTooltip,
                                                  kCommandResourceFolder);
  }
  throwIfNull(definition);
  return definition;
}

void showMessage(const Ptr<UserInterface>& ui, const std::string& text) {
  ui->messageBox(text, "", OKButtonType, NoIconIconType);
}

// The host passes "false" in the context when the user, not the host's start-up, started the
// add-in; only then is the user told where the button went.
void announceIfStartedByUser(const Ptr<UserInterface>& ui, const char* context) {
  const std::string text = context ? context : "";
  if (text.find("false") == std::string::npos) return;
  showMessage(ui, std::string("The '") + kCommandName +
                      "' command has been added to the Sketch panel in the Modeling workspace.");
}

void registerCommand(ModuleState& state, const char* context) {
  state.application = Application::get();
  throwIfNull(state.application);
  state.userInterface = state.application->userInterface();
  Ptr<ToolbarControls> controls = sketchPanelControls(state.userInterface);
  throwIfNull(controls);
  if (controls->itemById(kCommandId)) return;
  Ptr<CommandDefinition> definition = findOrAddDefinition(state.userInterface);
  Ptr<CommandCreatedEvent> commandCreated = definition->commandCreated();
  throwIfNull(commandCreated);
  commandCreated->add(&commandCreatedHandler);
  commandTerminatedHandler.attachTo(state.userInterface);
  Ptr<CommandControl> control = controls->addCommand(definition, "", true);
  throwIfNull(control);
  // Promoted, the button shows in the panel itself, as the start-up message says, and not only
  // in the panel's drop-down list; a new control is visible anyway.
  control->isPromoted(true);
  announceIfStartedByUser(state.userInterface, context);
}

}  // namespace

}  // namespace vintrel::addin

extern "C" XI_EXPORT bool run(const char* context) {
  using namespace vintrel::addin;
  ModuleState& state = moduleState();
  try {
    registerCommand(state, context);
    return true;
  } catch (const std::exception& error) {
    if (state.userInterface) showMessage(state.userInterface, unexpectedErrorMessage(error));
    return false;
  }
}

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

namespace {

Ptr<CommandDefinition> findOrAddDefinition() {
  Ptr<CommandDefinitions> definitions = userInterface->commandDefinitions();
  throwIfNull(definitions);
  Ptr<CommandDefinition> definition = definitions->itemById(commandId);
  if (!definition) {
    definition = definitions->addButtonDefinition(commandId, kCommandName, kCommandTooltip,
                                                  kCommandResourceFolder);
  }
  throwIfNull(definition);
  return definition;
}

void showMessage(const std::string& text) {
  userInterface->messageBox(text, "", OKButtonType, NoIconIconType);
}

// The host passes "false" in the context when the user, not the host's start-up, started the
// add-in; only then is the user told where the button went.
void announceIfStartedByUser(const char* context) {
  const std::string text = context ? context : "";
  if (text.find("false") == std::string::npos) return;
  showMessage(std::string("The '") + kCommandName +
              "' command has been added to the Sketch panel in the Modeling workspace.");
}

void registerCommand(const char* context) {
  application = Application::get();
  throwIfNull(application);
  userInterface = application->userInterface();
  Ptr<ToolbarControls> controls = sketchPanelControls(userInterface);
  throwIfNull(controls);
  if (controls->itemById(commandId)) return;
  Ptr<CommandDefinition> definition = findOrAddDefinition();
  Ptr<CommandCreatedEvent> commandCreated = definition->commandCreated();
  throwIfNull(commandCreated);
  commandCreated->add(&commandCreatedHandler);
  commandTerminatedHandler.attachTo(userInterface);
  Ptr<CommandControl> control = controls->addCommand(definition, "", true);
  throwIfNull(control);
  // Promoted, the button shows in the panel itself, as the start-up message says, and not only
  // in the panel's drop-down list; a new control is visible anyway.
  control->isPromoted(true);
  announceIfStartedByUser(context);
}

}  // namespace

extern "C" XI_EXPORT bool run(const char* context) {
  try {
    registerCommand(context);
    return true;
  } catch (const std::exception& error) {
    if (userInterface) showMessage(unexpectedErrorMessage(error));
    return false;
  }
}

#include <exception>

#include "addin/EntryPoints.h"
#include "addin/sketchPanelControls.h"
#include "curve/NullObjectError.h"
#include "dialog/ModuleState.h"

using namespace adsk::core;

namespace {

// False when the panel cannot be found: the command then stays registered and the host objects
// stay held, so that a later stop can still remove it.
bool unregisterCommand() {
  releaseCustomGraphicsManager();
  Ptr<ToolbarControls> controls = sketchPanelControls(userInterface);
  if (!controls) return false;
  Ptr<CommandDefinitions> definitions = userInterface->commandDefinitions();
  Ptr<ToolbarControl> control = controls->itemById(commandId);
  hv::f360::throwIfNull(definitions);
  Ptr<CommandDefinition> definition = definitions->itemById(commandId);
  if (control) control->deleteMe();
  if (definition) definition->deleteMe();
  userInterface = nullptr;
  return true;
}

}  // namespace

extern "C" XI_EXPORT bool stop(const char*) {
  try {
    if (userInterface && !unregisterCommand()) return false;
    application = nullptr;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

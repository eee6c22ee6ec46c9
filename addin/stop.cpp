#include <exception>

#include "addin/CommandTerminatedHandler.h"
#include "addin/EntryPoints.h"
#include "addin/ModuleState.h"
#include "addin/sketchPanelControls.h"
#include "dialog/CommandTexts.h"
#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using vintrel::dialog::kCommandId;

namespace vintrel::addin {

namespace {

// False when the panel cannot be found, the host refuses to detach the parameter follower or to
// delete the control or the definition: the host objects then stay held, so that a later stop can
// remove what is left. A refused control does not keep the definition: a definition left behind
// after the library is unloaded would keep the address of its command-created handler, while a
// control left behind is only a button that does nothing.
bool unregisterCommand(ModuleState& state) {
  state.curvePreview.clear();
  state.curveEdit = dialog::CurveEdit{};
  const bool followerDetached = commandTerminatedHandler.detachFrom(state.userInterface);
  Ptr<ToolbarControls> controls = sketchPanelControls(state.userInterface);
  if (!controls) return false;
  Ptr<CommandDefinitions> definitions = state.userInterface->commandDefinitions();
  Ptr<ToolbarControl> control = controls->itemById(kCommandId);
  hv::f360::throwIfNull(definitions);
  Ptr<CommandDefinition> definition = definitions->itemById(kCommandId);
  const bool controlDeleted = !control || control->deleteMe();
  const bool definitionDeleted = !definition || definition->deleteMe();
  if (!followerDetached || !controlDeleted || !definitionDeleted) return false;
  state.userInterface = nullptr;
  return true;
}

}  // namespace

}  // namespace vintrel::addin

extern "C" XI_EXPORT bool stop(const char*) {
  using namespace vintrel::addin;
  ModuleState& state = moduleState();
  try {
    if (state.userInterface && !unregisterCommand(state)) return false;
    state.application = nullptr;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// The state the add-in keeps while its library is loaded: its IDs, the host objects run obtains,
// and the one preview that may be on screen. The dialog reads and writes it; run and stop fill
// and empty it. It is defined in one place in the add-in shell together with the command-created
// handler, so that it is built in a fixed order at load and torn down in reverse at unload.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>

#include "graphics/CustomGraphicsManager.h"

/// "SketchPanel": the panel that carries the command's button.
extern const std::string panelId;
/// "vtlCommandOnPanel": the ID of the command definition and of its panel control.
extern const std::string commandId;
/// "vtlStatusDisplayID": the ID of the dialog's notification text box.
extern const std::string statusDisplayId;
/// The current preview, or empty when none is shown.
extern std::shared_ptr<hv::f360::CustomGraphicsManager> customGraphicsManager;
/// Held from run to stop; empty otherwise.
extern adsk::core::Ptr<adsk::core::Application> application;
/// Held from run to stop; empty otherwise.
extern adsk::core::Ptr<adsk::core::UserInterface> userInterface;

/// Empties customGraphicsManager first and then lets go of the manager it held, which deletes
/// the preview group if that was the last reference. Does nothing when it is already empty.
void releaseCustomGraphicsManager();

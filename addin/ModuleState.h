// The state the add-in keeps while its library is loaded: its IDs, the host objects run obtains,
// and the one preview that may be on screen. run and stop fill and empty it; the command's
// handlers hand the application and the preview to the dialog. It is defined in one place
// together with the command-created handler, so that it is built in a fixed order at load and
// torn down in reverse at unload.
#pragma once

#include <Core/CoreAll.h>

#include <string>

#include "curvehost/ParameterFollower.h"
#include "dialog/CurveEdit.h"
#include "graphics/CurvePreview.h"

/// "SketchPanel": the panel that carries the command's button.
extern const std::string panelId;
/// "vtlCommandOnPanel": the ID of the command definition and of its panel control.
extern const std::string commandId;
/// "vtlStatusDisplayID": the ID of the dialog's notification text box.
extern const std::string statusDisplayId;
/// The one preview; shows nothing between dialogs.
extern CurvePreview curvePreview;
/// The formula curve the open dialog edits; empty between dialogs.
extern vintrel::dialog::CurveEdit curveEdit;
/// What the formula curves' check has told the user; kept while the library is loaded.
extern vintrel::curvehost::ParameterFollower parameterFollower;
/// Held from run to stop; empty otherwise.
extern adsk::core::Ptr<adsk::core::Application> application;
/// Held from run to stop; empty otherwise.
extern adsk::core::Ptr<adsk::core::UserInterface> userInterface;

// The state the add-in keeps while its library is loaded: the host objects run obtains, the one
// preview that may be on screen, the curve the open dialog edits and the parameter values the
// following of the design's parameters last saw for each curve. run and stop fill and empty it; the
// command's handlers hand its parts to the dialog and to the follower. It is defined in one place
// together with the command handlers, so that it is built in a fixed order at load and torn down in
// reverse at unload.
#pragma once

#include <Core/CoreAll.h>

#include "curvehost/ParameterFollower.h"
#include "dialog/CurveEdit.h"
#include "graphics/CurvePreview.h"

namespace vintrel::addin {

/// Everything the add-in holds between the host's calls. Its members are built in the order
/// declared when the library loads and destroyed in reverse when it unloads, after the command
/// handlers that use them.
struct ModuleState {
  /// The one preview; shows nothing between dialogs.
  CurvePreview curvePreview;
  /// The formula curve the open dialog edits; empty between dialogs.
  dialog::CurveEdit curveEdit;
  /// The parameter values the formula curves' check last saw; kept while the library is loaded.
  curvehost::ParameterFollower parameterFollower;
  /// Held from run to stop; empty otherwise.
  adsk::core::Ptr<adsk::core::Application> application;
  /// Held from run to stop; empty otherwise.
  adsk::core::Ptr<adsk::core::UserInterface> userInterface;
};

/// The add-in's one ModuleState, built before the command handlers and destroyed after them.
/// Never throws.
ModuleState& moduleState();

}  // namespace vintrel::addin

// The two functions the host looks up by name in the add-in library: run when the add-in is
// started and stop when it is stopped. Exported with C linkage so their names stay unmangled.
#pragma once

#include <Core/CoreAll.h>

/// Registers the add-in's command: the button definition kCommandId (made if missing), the
/// command-created handler, the handler of ended commands and the promoted control on the panel
/// kPanelId of kWorkspaceId. Shows the start-up message when `context` contains "false". Returns
/// true when registered or already on the panel; false after showing the unexpected-error message
/// (when the user interface is known) for a standard exception.
extern "C" XI_EXPORT bool run(const char* context);

/// Removes the preview, detaches the handler of ended commands, removes the control and the
/// definition and lets go of the application and user interface; `context` is not read. Returns
/// true when the add-in let go of its host objects (also when run never ran); false, keeping them,
/// when the panel cannot be found, the host refuses to detach the handler or to delete the control
/// or the definition, or a standard exception occurs. Each removal is tried whatever the others'
/// answers, so a later stop only has to finish what was refused.
extern "C" XI_EXPORT bool stop(const char* context);

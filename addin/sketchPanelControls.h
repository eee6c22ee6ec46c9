// Finds the controls of the Sketch panel of the modelling workspace, where the add-in's button
// lives. run and stop both start from it.
#pragma once

#include <Core/CoreAll.h>

namespace vintrel::addin {

/// The controls of the panel kPanelId in the workspace kWorkspaceId of `ui`, or null when the
/// user interface, the workspaces, the workspace, its panels, the panel or its controls are
/// missing.
adsk::core::Ptr<adsk::core::ToolbarControls> sketchPanelControls(
    const adsk::core::Ptr<adsk::core::UserInterface>& ui);

}  // namespace vintrel::addin

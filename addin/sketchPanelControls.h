// Finds the controls of the Sketch panel of the modelling workspace, where the add-in's button
// lives. run and stop both start from it.
#pragma once

#include <Core/CoreAll.h>

/// The controls of the panel "SketchPanel" in the workspace "FusionSolidEnvironment" of `ui`,
/// or null when the user interface, the workspaces, the workspace, its panels,
/// the panel or its controls are missing.
adsk::core::Ptr<adsk::core::ToolbarControls> sketchPanelControls(
    const adsk::core::Ptr<adsk::core::UserInterface>& ui);

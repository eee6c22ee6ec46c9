#include "addin/sketchPanelControls.h"

#include "dialog/ModuleState.h"

using namespace adsk::core;

namespace {

constexpr char kWorkspaceId[] = "FusionSolidEnvironment";

}  // namespace

Ptr<ToolbarControls> sketchPanelControls(const Ptr<UserInterface>& userInterface) {
  if (!userInterface) return nullptr;
  Ptr<Workspaces> workspaces = userInterface->workspaces();
  if (!workspaces) return nullptr;
  Ptr<Workspace> workspace = workspaces->itemById(kWorkspaceId);
  if (!workspace) return nullptr;
  Ptr<ToolbarPanels> panels = workspace->toolbarPanels();
  if (!panels) return nullptr;
  Ptr<ToolbarPanel> panel = panels->itemById(panelId);
  if (!panel) return nullptr;
  return panel->controls();
}

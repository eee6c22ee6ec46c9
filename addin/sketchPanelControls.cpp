#include "addin/sketchPanelControls.h"

#include "dialog/CommandTexts.h"

using namespace adsk::core;
using vintrel::dialog::kPanelId;
using vintrel::dialog::kWorkspaceId;

namespace vintrel::addin {

Ptr<ToolbarControls> sketchPanelControls(const Ptr<UserInterface>& ui) {
  if (!ui) return nullptr;
  Ptr<Workspaces> workspaces = ui->workspaces();
  if (!workspaces) return nullptr;
  Ptr<Workspace> workspace = workspaces->itemById(kWorkspaceId);
  if (!workspace) return nullptr;
  Ptr<ToolbarPanels> panels = workspace->toolbarPanels();
  if (!panels) return nullptr;
  Ptr<ToolbarPanel> panel = panels->itemById(kPanelId);
  if (!panel) return nullptr;
  return panel->controls();
}

}  // namespace vintrel::addin

// The simulated user interface.
#include "host/sim/SimUserInterface.h"

#include "host/sim/SimApplicationCommandEvent.h"
#include "host/sim/SimCommandDefinition.h"
#include "host/sim/SimCommandDefinitions.h"
#include "host/sim/SimSelections.h"
#include "host/sim/SimWorkspace.h"
#include "host/sim/SimWorkspaces.h"

namespace fsim {

std::shared_ptr<SimUserInterface> SimUserInterface::create() {
  auto ui = std::make_shared<SimUserInterface>();
  ui->workspaces_ = std::make_shared<SimWorkspaces>();
  ui->workspaces_->addWorkspace("FusionSolidEnvironment",
                                {"SolidCreatePanel", "SketchPanel", "InsertPanel"});
  ui->workspaces_->addWorkspace("CAMEnvironment", {"CAMActionPanel"});
  ui->definitions_ = std::make_shared<SimCommandDefinitions>();
  ui->selections_ = std::make_shared<SimSelections>();
  ui->commandStarting_ = std::make_shared<SimApplicationCommandEvent>("commandStarting", ui);
  ui->commandTerminated_ = std::make_shared<SimApplicationCommandEvent>("commandTerminated", ui);
  return ui;
}

void SimUserInterface::markDeleted() {
  SimObject::markDeleted();
  workspaces_->markDeleted();
  definitions_->markDeleted();
  selections_->markDeleted();
  commandStarting_->markDeleted();
  commandTerminated_->markDeleted();
}

void SimUserInterface::raiseCommandTerminated(const std::string& commandId,
                                              adsk::core::CommandTerminationReason reason) {
  auto args = std::make_shared<SimApplicationCommandEventArgs>(
      commandId, definitions_->find(commandId), reason, commandTerminated_);
  commandTerminated_->raise(args.get());
}

adsk::core::DialogResults SimUserInterface::messageBox_raw(
    const char* text, const char* title, adsk::core::MessageBoxButtonTypes buttons,
    adsk::core::MessageBoxIconTypes icon) const {
  if (refused("UserInterface.messageBox")) return adsk::core::DialogError;
  if (Host* host = Host::current()) {
    host->messageBoxes.push_back(MessageBoxRecord{
        text ? text : "", title ? title : "", static_cast<int>(buttons), static_cast<int>(icon)});
  }
  return adsk::core::DialogOK;
}

adsk::core::Workspaces* SimUserInterface::workspaces_raw() const {
  if (refused("UserInterface.workspaces")) return nullptr;
  return handOut(workspaces_);
}

adsk::core::CommandDefinitions* SimUserInterface::commandDefinitions_raw() const {
  if (refused("UserInterface.commandDefinitions")) return nullptr;
  return handOut(definitions_);
}

adsk::core::Selections* SimUserInterface::activeSelections_raw() const {
  if (refused("UserInterface.activeSelections")) return nullptr;
  return handOut(selections_);
}

adsk::core::ApplicationCommandEvent* SimUserInterface::commandStarting_raw() const {
  if (refused("UserInterface.commandStarting")) return nullptr;
  return handOut(commandStarting_);
}

adsk::core::ApplicationCommandEvent* SimUserInterface::commandTerminated_raw() const {
  if (refused("UserInterface.commandTerminated")) return nullptr;
  return handOut(commandTerminated_);
}

adsk::core::Workspace* SimUserInterface::activeWorkspace_raw() const {
  if (refused("UserInterface.activeWorkspace")) return nullptr;
  return handOut(workspaces_->find("FusionSolidEnvironment"));
}

}  // namespace fsim

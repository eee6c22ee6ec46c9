// The user interface: workspaces with their toolbar panels, the command definitions, and the
// message box, which records what it shows and answers OK as a user would.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>

#include "host/sim/Sim.h"

namespace fsim {

class SimWorkspaces;
class SimCommandDefinitions;
class SimApplicationCommandEvent;
class SimSelections;

class SimUserInterface : public Sim<adsk::core::UserInterface> {
 public:
  /// The workspaces "FusionSolidEnvironment" (panels "SolidCreatePanel", "SketchPanel",
  /// "InsertPanel") and "CAMEnvironment" (panel "CAMActionPanel"), and no command definitions.
  /// The active workspace is "FusionSolidEnvironment".
  static std::shared_ptr<SimUserInterface> create();

  SimWorkspaces& workspaces() const { return *workspaces_; }
  SimCommandDefinitions& commandDefinitions() const { return *definitions_; }
  SimSelections& selections() const { return *selections_; }
  SimApplicationCommandEvent& commandStartingEvent() const { return *commandStarting_; }
  SimApplicationCommandEvent& commandTerminatedEvent() const { return *commandTerminated_; }
  /// Raises commandTerminated for the command `commandId` (with its definition, if any).
  void raiseCommandTerminated(const std::string& commandId,
                              adsk::core::CommandTerminationReason reason);
  void markDeleted() override;

 private:
  adsk::core::DialogResults messageBox_raw(const char* text, const char* title,
                                           adsk::core::MessageBoxButtonTypes buttons,
                                           adsk::core::MessageBoxIconTypes icon) const override;
  adsk::core::Workspaces* workspaces_raw() const override;
  adsk::core::CommandDefinitions* commandDefinitions_raw() const override;
  adsk::core::Workspace* activeWorkspace_raw() const override;
  adsk::core::Selections* activeSelections_raw() const override;
  adsk::core::ApplicationCommandEvent* commandStarting_raw() const override;
  adsk::core::ApplicationCommandEvent* commandTerminated_raw() const override;

  std::shared_ptr<SimWorkspaces> workspaces_;
  std::shared_ptr<SimCommandDefinitions> definitions_;
  std::shared_ptr<SimSelections> selections_;
  std::shared_ptr<SimApplicationCommandEvent> commandStarting_;
  std::shared_ptr<SimApplicationCommandEvent> commandTerminated_;
};

}  // namespace fsim

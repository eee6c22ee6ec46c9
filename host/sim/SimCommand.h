// A command: what the host creates for each click on a command's control. It carries the dialog's
// inputs and help file, and its execute, destroy and executePreview events, which the driver
// raises as the user edits, confirms or cancels the dialog.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>

#include "host/sim/Sim.h"

namespace fsim {

class SimCommandDefinition;
class SimCommandEvent;
class SimCommandInputs;

class SimCommand : public Sim<adsk::core::Command> {
 public:
  static std::shared_ptr<SimCommand> create(std::weak_ptr<SimCommandDefinition> definition);
  explicit SimCommand(std::weak_ptr<SimCommandDefinition> definition)
      : definition_(std::move(definition)) {}

  SimCommandInputs& inputs() const { return *inputs_; }
  /// The definition's ID, or empty once the definition is gone.
  std::string definitionId() const;
  const std::string& helpFile() const { return helpFile_; }
  SimCommandEvent& executeEvent() const { return *execute_; }
  SimCommandEvent& destroyEvent() const { return *destroy_; }
  SimCommandEvent& executePreviewEvent() const { return *executePreview_; }

  /// Raises executePreview, as after a user's change to an input.
  void raiseExecutePreview();
  /// Whether the last preview's handlers declared its result valid (isValidResult), in which case
  /// OK keeps the preview and execute is not raised.
  bool previewIsResult() const { return previewIsResult_; }
  /// Raises execute, as when the user presses OK.
  void raiseExecute();
  /// Raises destroy, as when the dialog closes for reason.
  void raiseDestroy(adsk::core::CommandTerminationReason reason);

  void markDeleted() override;

 private:
  char* helpFile_raw() const override;
  bool helpFile_raw(const char* value) override;
  adsk::core::CommandEvent* execute_raw() const override;
  adsk::core::CommandEvent* destroy_raw() const override;
  adsk::core::CommandEvent* executePreview_raw() const override;
  adsk::core::CommandInputs* commandInputs_raw() const override;
  adsk::core::CommandDefinition* parentCommandDefinition_raw() const override;

  /// Raises event and answers the arguments' isValidResult.
  bool raise(SimCommandEvent& event, adsk::core::CommandTerminationReason reason);

  std::weak_ptr<SimCommandDefinition> definition_;
  std::string helpFile_;
  std::shared_ptr<SimCommandInputs> inputs_;
  std::shared_ptr<SimCommandEvent> execute_, destroy_, executePreview_;
  bool previewIsResult_ = false;
};

/// Opens a dialog for definition as a click on its control does: a dialog still open is closed
/// first (destroy, pre-empted), then a new command with empty inputs becomes the open dialog and
/// commandCreated is raised on the definition's handlers.
void startCommand(const std::shared_ptr<SimCommandDefinition>& definition);

/// Closes the open dialog, if any, raising destroy with reason (and execute first if confirmed).
void endCommand(bool confirmed, adsk::core::CommandTerminationReason reason, int executeEvents = 1);

}  // namespace fsim

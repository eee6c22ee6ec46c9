// The simulated command and the dialog's life: open, preview, OK or Cancel.
#include "host/sim/SimCommand.h"

#include <type_traits>

#include "host/sim/HostArrays.h"
#include "host/sim/SimApplication.h"
#include "host/sim/SimCommandCreatedEvent.h"
#include "host/sim/SimCommandCreatedEventArgs.h"
#include "host/sim/SimCommandDefinition.h"
#include "host/sim/SimCommandEvent.h"
#include "host/sim/SimCommandEventArgs.h"
#include "host/sim/SimCommandInputs.h"
#include "host/sim/SimSelections.h"
#include "host/sim/SimUserInterface.h"

namespace fsim {

std::shared_ptr<SimCommand> SimCommand::create(std::weak_ptr<SimCommandDefinition> definition) {
  auto command = std::make_shared<SimCommand>(std::move(definition));
  command->inputs_ = std::make_shared<SimCommandInputs>(command);
  command->execute_ = std::make_shared<SimCommandEvent>("execute", command);
  command->destroy_ = std::make_shared<SimCommandEvent>("destroy", command);
  command->executePreview_ = std::make_shared<SimCommandEvent>("executePreview", command);
  return command;
}

void SimCommand::raiseExecutePreview() {
  previewIsResult_ = raise(*executePreview_, adsk::core::UnknownTerminationReason);
}

void SimCommand::raiseExecute() { raise(*execute_, adsk::core::UnknownTerminationReason); }

void SimCommand::raiseDestroy(adsk::core::CommandTerminationReason reason) {
  raise(*destroy_, reason);
}

bool SimCommand::raise(SimCommandEvent& event, adsk::core::CommandTerminationReason reason) {
  auto self = std::static_pointer_cast<SimCommand>(shared_from_this());
  auto args = std::make_shared<SimCommandEventArgs>(self, event.shared_from_this(), reason);
  event.raise(args.get());
  return args->isValidResult();
}

void SimCommand::markDeleted() {
  SimObject::markDeleted();
  inputs_->markDeleted();
  execute_->markDeleted();
  destroy_->markDeleted();
  executePreview_->markDeleted();
}

char* SimCommand::helpFile_raw() const {
  if (refused("Command.helpFile")) return nullptr;
  return newHostString(helpFile_);
}

bool SimCommand::helpFile_raw(const char* value) {
  if (refused("Command.helpFile") || !value) return false;
  helpFile_ = value;
  return true;
}

adsk::core::CommandEvent* SimCommand::execute_raw() const {
  if (refused("Command.execute")) return nullptr;
  return handOut(execute_);
}

adsk::core::CommandEvent* SimCommand::destroy_raw() const {
  if (refused("Command.destroy")) return nullptr;
  return handOut(destroy_);
}

adsk::core::CommandEvent* SimCommand::executePreview_raw() const {
  if (refused("Command.executePreview")) return nullptr;
  return handOut(executePreview_);
}

adsk::core::CommandInputs* SimCommand::commandInputs_raw() const {
  if (refused("Command.commandInputs")) return nullptr;
  return handOut(inputs_);
}

adsk::core::CommandDefinition* SimCommand::parentCommandDefinition_raw() const {
  if (refused("Command.parentCommandDefinition")) return nullptr;
  std::shared_ptr<SimCommandDefinition> definition = definition_.lock();
  return definition && definition->alive() ? handOut(definition) : nullptr;
}

template <class Api>
adsk::core::Command* SimEventArgsOf<Api>::command_raw() const {
  constexpr bool created = std::is_same<Api, adsk::core::CommandCreatedEventArgs>::value;
  if (this->refused(created ? "CommandCreatedEventArgs.command" : "CommandEventArgs.command")) {
    return nullptr;
  }
  return handOut(command_);
}

template class SimEventArgsOf<adsk::core::CommandCreatedEventArgs>;
template class SimEventArgsOf<adsk::core::CommandEventArgs>;

void startCommand(const std::shared_ptr<SimCommandDefinition>& definition) {
  Host* host = Host::current();
  if (!host) return;
  if (host->openCommand) endCommand(false, adsk::core::PreEmptedTerminationReason);
  std::shared_ptr<SimCommand> command = SimCommand::create(definition);
  host->openCommand = command;
  SimCommandCreatedEvent& created = definition->commandCreated();
  auto args = std::make_shared<SimCommandCreatedEventArgs>(command, created.shared_from_this());
  created.raise(args.get());
}

void endCommand(bool confirmed, adsk::core::CommandTerminationReason reason, int executeEvents) {
  Host* host = Host::current();
  if (!host || !host->openCommand) return;
  std::shared_ptr<SimCommand> command = host->openCommand;
  if (confirmed && !command->previewIsResult()) {
    for (int i = 0; i < executeEvents; ++i) command->raiseExecute();
  }
  command->raiseDestroy(reason);
  // A handler may have started another command meanwhile; only this one closes.
  if (host->openCommand == command) host->openCommand.reset();
  command->markDeleted();
  // A command that created or edited something leaves nothing selected, as the host does.
  if (confirmed) host->application->userInterface().selections().clearAll();
  host->application->userInterface().raiseCommandTerminated(command->definitionId(), reason);
}

std::string SimCommand::definitionId() const {
  std::shared_ptr<SimCommandDefinition> definition = definition_.lock();
  return definition ? definition->id() : std::string();
}

}  // namespace fsim

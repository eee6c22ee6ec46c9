#include "addin/CommandTerminatedHandler.h"

#include <exception>

#include "addin/ModuleState.h"
#include "dialog/CommandTexts.h"

using namespace adsk::core;

void CommandTerminatedHandler::attachTo(const Ptr<UserInterface>& ui) {
  if (attached_) return;
  Ptr<ApplicationCommandEvent> terminated = ui->commandTerminated();
  attached_ = terminated && terminated->add(this);
}

bool CommandTerminatedHandler::detachFrom(const Ptr<UserInterface>& ui) {
  if (!attached_) return true;
  Ptr<ApplicationCommandEvent> terminated = ui->commandTerminated();
  attached_ = !(terminated && terminated->remove(this));
  return !attached_;
}

void CommandTerminatedHandler::notify(const Ptr<ApplicationCommandEventArgs>& eventArgs) {
  try {
    if (!eventArgs || eventArgs->terminationReason() != CompletedTerminationReason) return;
    if (eventArgs->commandId() == kCommandId) return;
    parameterFollower.check(application);
  } catch (const std::exception&) {
    // The host must survive its add-ins; the next completed command checks again.
  }
}

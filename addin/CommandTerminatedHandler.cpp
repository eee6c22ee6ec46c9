#include "addin/CommandTerminatedHandler.h"

#include <exception>

#include "dialog/CommandTexts.h"

using namespace adsk::core;
using vintrel::dialog::kCommandId;

namespace vintrel::addin {

CommandTerminatedHandler::CommandTerminatedHandler(curvehost::ParameterFollower& follower,
                                                   const Ptr<Application>& application)
    : follower_(follower), application_(application) {}

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
    // Whatever the reason: the host may report a command that changed parameters as cancelled,
    // and the check compares values, so one that truly changed nothing costs little.
    if (!eventArgs || eventArgs->commandId() == kCommandId) return;
    follower_.check(application_);
  } catch (const std::exception&) {
    // The host must survive its add-ins; the next ended command checks again.
  }
}

}  // namespace vintrel::addin

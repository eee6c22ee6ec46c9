// The arguments the host passes to event handlers: the command-created arguments (the new
// command) and the command-event arguments (the command and the execute outcome flags). Both
// name the event that fires them.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>

#include "host/sim/HostArrays.h"
#include "host/sim/Sim.h"

namespace fsim {

class SimCommand;

/// Api is CommandCreatedEventArgs or CommandEventArgs.
template <class Api>
class SimEventArgsOf : public Sim<Api> {
 public:
  SimEventArgsOf(std::shared_ptr<SimCommand> command, std::shared_ptr<SimObject> firingEvent)
      : command_(std::move(command)), firingEvent_(std::move(firingEvent)) {}

 protected:
  adsk::core::Event* firingEvent_raw() const override {
    if (this->refused("EventArgs.firingEvent") || !firingEvent_) return nullptr;
    firingEvent_->addOutsideReference();
    return firingEvent_->api()->template query<adsk::core::Event>();
  }
  adsk::core::Command* command_raw() const override;

  std::shared_ptr<SimCommand> command_;
  std::shared_ptr<SimObject> firingEvent_;
};

class SimCommandCreatedEventArgs : public SimEventArgsOf<adsk::core::CommandCreatedEventArgs> {
 public:
  using SimEventArgsOf::SimEventArgsOf;
};

class SimCommandEventArgs : public SimEventArgsOf<adsk::core::CommandEventArgs> {
 public:
  SimCommandEventArgs(std::shared_ptr<SimCommand> command, std::shared_ptr<SimObject> firingEvent,
                      adsk::core::CommandTerminationReason reason)
      : SimEventArgsOf(std::move(command), std::move(firingEvent)), reason_(reason) {}

  bool executeFailed() const { return executeFailed_; }
  const std::string& executeFailedMessage() const { return executeFailedMessage_; }

 private:
  bool executeFailed_raw() const override {
    return !refused("CommandEventArgs.executeFailed") && executeFailed_;
  }
  bool executeFailed_raw(bool value) override {
    if (refused("CommandEventArgs.executeFailed")) return false;
    executeFailed_ = value;
    return true;
  }
  char* executeFailedMessage_raw() const override {
    if (refused("CommandEventArgs.executeFailedMessage")) return nullptr;
    return newHostString(executeFailedMessage_);
  }
  bool executeFailedMessage_raw(const char* value) override {
    if (refused("CommandEventArgs.executeFailedMessage") || !value) return false;
    executeFailedMessage_ = value;
    return true;
  }
  bool isValidResult_raw() const override {
    return !refused("CommandEventArgs.isValidResult") && isValidResult_;
  }
  bool isValidResult_raw(bool value) override {
    if (refused("CommandEventArgs.isValidResult")) return false;
    isValidResult_ = value;
    return true;
  }
  adsk::core::CommandTerminationReason terminationReason_raw() const override {
    if (refused("CommandEventArgs.terminationReason")) {
      return adsk::core::UnknownTerminationReason;
    }
    return reason_;
  }

  adsk::core::CommandTerminationReason reason_;
  bool executeFailed_ = false;
  std::string executeFailedMessage_;
  bool isValidResult_ = false;
};

}  // namespace fsim

// The arguments of a command event: the command and the execute outcome flags.
#pragma once

#include <string>

#include "host/sim/HostArrays.h"
#include "host/sim/SimEventArgs.h"

namespace fsim {

class SimCommandEventArgs : public SimEventArgsOf<adsk::core::CommandEventArgs> {
 public:
  SimCommandEventArgs(std::shared_ptr<SimCommand> command, std::shared_ptr<SimObject> firingEvent,
                      adsk::core::CommandTerminationReason reason)
      : SimEventArgsOf(std::move(command), std::move(firingEvent)), reason_(reason) {}

  bool isValidResult() const { return isValidResult_; }

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

// What a command-event handler receives: the command, and for the execute event the means to
// report that the work failed.
#pragma once

#include <string>

#include "../Application/Events.h"
#include "../CoreTypeDefs.h"

namespace adsk {
namespace core {

class Command;

class CommandEventArgs : public EventArgs {
 public:
  /// The command that raised the event.
  Ptr<Command> command() const;

  /// Whether the execute handler reported a failure.
  bool executeFailed() const;

  /// In the execute event: reports a failure, which aborts the command's transaction.
  bool executeFailed(bool value);

  /// The message of a reported failure.
  std::string executeFailedMessage() const;

  /// In the execute event: the message shown for a reported failure.
  bool executeFailedMessage(const std::string& value);

  /// In the preview event: whether the preview is the final result.
  bool isValidResult() const;

  /// In the preview event: marks the preview as the final result.
  bool isValidResult(bool value);

  /// In the destroy event: why the command ended.
  CommandTerminationReason terminationReason() const;

  static const char* classType() { return "adsk::core::CommandEventArgs"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CommandEventArgs*>(this)
                                               : EventArgs::queryInterface(id);
  }

 private:
  virtual Command* command_raw() const = 0;
  virtual bool executeFailed_raw() const = 0;
  virtual bool executeFailed_raw(bool value) = 0;
  virtual char* executeFailedMessage_raw() const = 0;
  virtual bool executeFailedMessage_raw(const char* value) = 0;
  virtual bool isValidResult_raw() const = 0;
  virtual bool isValidResult_raw(bool value) = 0;
  virtual CommandTerminationReason terminationReason_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Command> CommandEventArgs::command() const {
  Ptr<Command> res = command_raw();
  return res;
}

inline bool CommandEventArgs::executeFailed() const { return executeFailed_raw(); }

inline bool CommandEventArgs::executeFailed(bool value) { return executeFailed_raw(value); }

inline std::string CommandEventArgs::executeFailedMessage() const {
  std::string res;
  char* p = executeFailedMessage_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool CommandEventArgs::executeFailedMessage(const std::string& value) {
  return executeFailedMessage_raw(value.c_str());
}

inline bool CommandEventArgs::isValidResult() const { return isValidResult_raw(); }

inline bool CommandEventArgs::isValidResult(bool value) { return isValidResult_raw(value); }

inline CommandTerminationReason CommandEventArgs::terminationReason() const {
  return terminationReason_raw();
}

}  // namespace core
}  // namespace adsk

// What a command-created handler receives: the new Command, on which the handler sets up the
// dialog's inputs and attaches the command's event handlers.
#pragma once

#include "../Application/Events.h"

namespace adsk {
namespace core {

class Command;

class CommandCreatedEventArgs : public EventArgs {
 public:
  /// The command just created.
  Ptr<Command> command() const;

  static const char* classType() { return "adsk::core::CommandCreatedEventArgs"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CommandCreatedEventArgs*>(this)
                                               : EventArgs::queryInterface(id);
  }

 private:
  virtual Command* command_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Command> CommandCreatedEventArgs::command() const {
  Ptr<Command> res = command_raw();
  return res;
}

}  // namespace core
}  // namespace adsk

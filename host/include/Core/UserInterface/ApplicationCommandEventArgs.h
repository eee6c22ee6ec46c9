// What an application command handler receives: which command started or ended, and why it
// ended.
#pragma once

#include <string>

#include "../Application/Events.h"
#include "../CoreTypeDefs.h"

namespace adsk {
namespace core {

class CommandDefinition;

class ApplicationCommandEventArgs : public EventArgs {
 public:
  /// The definition of the command, when it has one.
  Ptr<CommandDefinition> commandDefinition() const;

  /// The command's ID, e.g. "vtlCommandOnPanel" for an add-in's command.
  std::string commandId() const;

  /// In the command-starting event: whether a handler cancelled the command.
  bool isCanceled() const;

  /// In the command-starting event: cancels the command.
  bool isCanceled(bool value);

  /// In the command-terminated event: why the command ended.
  CommandTerminationReason terminationReason() const;

  static const char* classType() { return "adsk::core::ApplicationCommandEventArgs"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ApplicationCommandEventArgs*>(this)
                                               : EventArgs::queryInterface(id);
  }

 private:
  virtual CommandDefinition* commandDefinition_raw() const = 0;
  virtual char* commandId_raw() const = 0;
  virtual bool isCanceled_raw() const = 0;
  virtual bool isCanceled_raw(bool value) = 0;
  virtual CommandTerminationReason terminationReason_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<CommandDefinition> ApplicationCommandEventArgs::commandDefinition() const {
  Ptr<CommandDefinition> res = commandDefinition_raw();
  return res;
}

inline std::string ApplicationCommandEventArgs::commandId() const {
  std::string res;
  char* p = commandId_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool ApplicationCommandEventArgs::isCanceled() const { return isCanceled_raw(); }

inline bool ApplicationCommandEventArgs::isCanceled(bool value) { return isCanceled_raw(value); }

inline CommandTerminationReason ApplicationCommandEventArgs::terminationReason() const {
  return terminationReason_raw();
}

}  // namespace core
}  // namespace adsk

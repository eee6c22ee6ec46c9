// A running command, created by the host on each click on its control. Add-ins attach their
// handlers to its events and build the dialog from its inputs.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class CommandEvent;
class CommandInputs;
class CommandDefinition;

class Command : public Base {
 public:
  /// The HTML help file of the dialog.
  std::string helpFile() const;

  /// Sets the HTML help file; false on failure.
  bool helpFile(const std::string& value);

  /// Raised when the user confirms: do the work.
  Ptr<CommandEvent> execute() const;

  /// Raised when the command ends, confirmed or not.
  Ptr<CommandEvent> destroy() const;

  /// Raised when the host wants a preview of the result.
  Ptr<CommandEvent> executePreview() const;

  /// The dialog's inputs.
  Ptr<CommandInputs> commandInputs() const;

  /// The definition the command came from.
  Ptr<CommandDefinition> parentCommandDefinition() const;

  static const char* classType() { return "adsk::core::Command"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Command*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual char* helpFile_raw() const = 0;
  virtual bool helpFile_raw(const char* value) = 0;
  virtual CommandEvent* execute_raw() const = 0;
  virtual CommandEvent* destroy_raw() const = 0;
  virtual CommandEvent* executePreview_raw() const = 0;
  virtual CommandInputs* commandInputs_raw() const = 0;
  virtual CommandDefinition* parentCommandDefinition_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string Command::helpFile() const {
  std::string res;
  char* p = helpFile_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool Command::helpFile(const std::string& value) { return helpFile_raw(value.c_str()); }

inline Ptr<CommandEvent> Command::execute() const {
  Ptr<CommandEvent> res = execute_raw();
  return res;
}

inline Ptr<CommandEvent> Command::destroy() const {
  Ptr<CommandEvent> res = destroy_raw();
  return res;
}

inline Ptr<CommandEvent> Command::executePreview() const {
  Ptr<CommandEvent> res = executePreview_raw();
  return res;
}

inline Ptr<CommandInputs> Command::commandInputs() const {
  Ptr<CommandInputs> res = commandInputs_raw();
  return res;
}

inline Ptr<CommandDefinition> Command::parentCommandDefinition() const {
  Ptr<CommandDefinition> res = parentCommandDefinition_raw();
  return res;
}

}  // namespace core
}  // namespace adsk

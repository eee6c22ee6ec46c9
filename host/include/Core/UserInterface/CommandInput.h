// The base of a dialog's inputs: ID, label and state. Cast it to the input type to read the
// value.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class Command;
class CommandInputs;

class CommandInput : public Base {
 public:
  /// The input's ID, unique within the command.
  std::string id() const;

  /// The label shown next to the input.
  std::string name() const;

  /// Whether the user can change the input.
  bool isEnabled() const;

  /// Enables or disables the input; false on failure.
  bool isEnabled(bool value);

  /// Whether the input is shown.
  bool isVisible() const;

  /// Shows or hides the input; false on failure.
  bool isVisible(bool value);

  /// The command the input belongs to.
  Ptr<Command> parentCommand() const;

  /// The collection that holds the input.
  Ptr<CommandInputs> commandInputs() const;

  /// Removes the input; true on success.
  bool deleteMe();

  static const char* classType() { return "adsk::core::CommandInput"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CommandInput*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual char* id_raw() const = 0;
  virtual char* name_raw() const = 0;
  virtual bool isEnabled_raw() const = 0;
  virtual bool isEnabled_raw(bool value) = 0;
  virtual bool isVisible_raw() const = 0;
  virtual bool isVisible_raw(bool value) = 0;
  virtual Command* parentCommand_raw() const = 0;
  virtual CommandInputs* commandInputs_raw() const = 0;
  virtual bool deleteMe_raw() = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string CommandInput::id() const {
  std::string res;
  char* p = id_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline std::string CommandInput::name() const {
  std::string res;
  char* p = name_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool CommandInput::isEnabled() const { return isEnabled_raw(); }

inline bool CommandInput::isEnabled(bool value) { return isEnabled_raw(value); }

inline bool CommandInput::isVisible() const { return isVisible_raw(); }

inline bool CommandInput::isVisible(bool value) { return isVisible_raw(value); }

inline Ptr<Command> CommandInput::parentCommand() const {
  Ptr<Command> res = parentCommand_raw();
  return res;
}

inline Ptr<CommandInputs> CommandInput::commandInputs() const {
  Ptr<CommandInputs> res = commandInputs_raw();
  return res;
}

inline bool CommandInput::deleteMe() { return deleteMe_raw(); }

}  // namespace core
}  // namespace adsk

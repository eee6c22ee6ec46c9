// A command definition: what a control runs. Each click raises its command-created event with a
// new Command.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class CommandCreatedEvent;
class NamedValues;

class CommandDefinition : public Base {
 public:
  /// Raised with a new Command each time the command is started.
  Ptr<CommandCreatedEvent> commandCreated() const;

  /// Deletes a definition added through the API; false on failure.
  bool deleteMe();

  /// The definition's unique ID.
  std::string id() const;

  /// The name shown to the user.
  std::string name() const;

  /// Renames the definition; false on failure.
  bool name(const std::string& value);

  /// The tooltip text.
  std::string tooltip() const;

  /// The folder of the icons.
  std::string resourceFolder() const;

  /// True for the host's own definitions.
  bool isNative() const;

  /// Starts the command; false on failure.
  bool execute(const Ptr<NamedValues>& input = NULL) const;

  static const char* classType() { return "adsk::core::CommandDefinition"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CommandDefinition*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual CommandCreatedEvent* commandCreated_raw() const = 0;
  virtual bool deleteMe_raw() = 0;
  virtual char* id_raw() const = 0;
  virtual char* name_raw() const = 0;
  virtual bool name_raw(const char* value) = 0;
  virtual char* tooltip_raw() const = 0;
  virtual char* resourceFolder_raw() const = 0;
  virtual bool isNative_raw() const = 0;
  virtual bool execute_raw(NamedValues* input) const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<CommandCreatedEvent> CommandDefinition::commandCreated() const {
  Ptr<CommandCreatedEvent> res = commandCreated_raw();
  return res;
}

inline bool CommandDefinition::deleteMe() { return deleteMe_raw(); }

inline std::string CommandDefinition::id() const {
  std::string res;
  char* p = id_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline std::string CommandDefinition::name() const {
  std::string res;
  char* p = name_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool CommandDefinition::name(const std::string& value) { return name_raw(value.c_str()); }

inline std::string CommandDefinition::tooltip() const {
  std::string res;
  char* p = tooltip_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline std::string CommandDefinition::resourceFolder() const {
  std::string res;
  char* p = resourceFolder_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool CommandDefinition::isNative() const { return isNative_raw(); }

inline bool CommandDefinition::execute(const Ptr<NamedValues>& input) const {
  return execute_raw(input.get());
}

}  // namespace core
}  // namespace adsk

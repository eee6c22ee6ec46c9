// A control that runs a command definition. Promotion shows it directly in its panel rather than
// only in the panel's drop-down.
#pragma once

#include "../UserInterface/ToolbarControl.h"

namespace adsk {
namespace core {

class CommandDefinition;

class CommandControl : public ToolbarControl {
 public:
  /// The definition the control runs.
  Ptr<CommandDefinition> commandDefinition() const;

  /// Whether the control is shown in its parent panel.
  bool isPromoted() const;

  /// Shows the control in its parent panel or not; ignored outside panels.
  bool isPromoted(bool value);

  /// Whether the control is promoted after a reset of the user interface.
  bool isPromotedByDefault() const;

  /// Sets the promotion after a reset of the user interface.
  bool isPromotedByDefault(bool value);

  static const char* classType() { return "adsk::core::CommandControl"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CommandControl*>(this)
                                               : ToolbarControl::queryInterface(id);
  }

 private:
  virtual CommandDefinition* commandDefinition_raw() const = 0;
  virtual bool isPromoted_raw() const = 0;
  virtual bool isPromoted_raw(bool value) = 0;
  virtual bool isPromotedByDefault_raw() const = 0;
  virtual bool isPromotedByDefault_raw(bool value) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<CommandDefinition> CommandControl::commandDefinition() const {
  Ptr<CommandDefinition> res = commandDefinition_raw();
  return res;
}

inline bool CommandControl::isPromoted() const { return isPromoted_raw(); }

inline bool CommandControl::isPromoted(bool value) { return isPromoted_raw(value); }

inline bool CommandControl::isPromotedByDefault() const { return isPromotedByDefault_raw(); }

inline bool CommandControl::isPromotedByDefault(bool value) {
  return isPromotedByDefault_raw(value);
}

}  // namespace core
}  // namespace adsk

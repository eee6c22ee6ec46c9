// The host's user interface: message boxes, workspaces with their panels, and command
// definitions. Add-ins hold it while they run to register and remove their commands.
#pragma once

#include <string>

#include "../Base.h"
#include "../CoreTypeDefs.h"

namespace adsk {
namespace core {

class Workspaces;
class Workspace;
class CommandDefinitions;
class ApplicationCommandEvent;
class Selections;

class UserInterface : public Base {
 public:
  /// Shows a modal message box and returns the button pressed; an empty title shows the product
  /// name.
  DialogResults messageBox(const std::string& text, const std::string& title = "",
                           MessageBoxButtonTypes buttons = adsk::core::OKButtonType,
                           MessageBoxIconTypes icon = adsk::core::NoIconIconType) const;

  /// All workspaces available.
  Ptr<Workspaces> workspaces() const;

  /// All command definitions, native and added through the API.
  Ptr<CommandDefinitions> commandDefinitions() const;

  /// The workspace in use.
  Ptr<Workspace> activeWorkspace() const;

  /// What the user has selected.
  Ptr<Selections> activeSelections() const;

  /// Raised when any command of the application starts.
  Ptr<ApplicationCommandEvent> commandStarting() const;

  /// Raised when any command of the application ends, with the reason it ended.
  Ptr<ApplicationCommandEvent> commandTerminated() const;

  static const char* classType() { return "adsk::core::UserInterface"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<UserInterface*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual DialogResults messageBox_raw(const char* text, const char* title,
                                       MessageBoxButtonTypes buttons,
                                       MessageBoxIconTypes icon) const = 0;
  virtual Workspaces* workspaces_raw() const = 0;
  virtual CommandDefinitions* commandDefinitions_raw() const = 0;
  virtual Workspace* activeWorkspace_raw() const = 0;
  virtual Selections* activeSelections_raw() const = 0;
  virtual ApplicationCommandEvent* commandStarting_raw() const = 0;
  virtual ApplicationCommandEvent* commandTerminated_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline DialogResults UserInterface::messageBox(const std::string& text, const std::string& title,
                                               MessageBoxButtonTypes buttons,
                                               MessageBoxIconTypes icon) const {
  return messageBox_raw(text.c_str(), title.c_str(), buttons, icon);
}

inline Ptr<Workspaces> UserInterface::workspaces() const {
  Ptr<Workspaces> res = workspaces_raw();
  return res;
}

inline Ptr<CommandDefinitions> UserInterface::commandDefinitions() const {
  Ptr<CommandDefinitions> res = commandDefinitions_raw();
  return res;
}

inline Ptr<Workspace> UserInterface::activeWorkspace() const {
  Ptr<Workspace> res = activeWorkspace_raw();
  return res;
}

inline Ptr<Selections> UserInterface::activeSelections() const {
  Ptr<Selections> res = activeSelections_raw();
  return res;
}

inline Ptr<ApplicationCommandEvent> UserInterface::commandStarting() const {
  Ptr<ApplicationCommandEvent> res = commandStarting_raw();
  return res;
}

inline Ptr<ApplicationCommandEvent> UserInterface::commandTerminated() const {
  Ptr<ApplicationCommandEvent> res = commandTerminated_raw();
  return res;
}

}  // namespace core
}  // namespace adsk

// A workspace (an environment such as modelling) and its toolbar panels. Add-ins go through it
// to the panel that carries their command.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class ToolbarPanels;

class Workspace : public Base {
 public:
  /// The workspace's panels.
  Ptr<ToolbarPanels> toolbarPanels() const;

  /// The workspace's unique ID.
  std::string id() const;

  static const char* classType() { return "adsk::core::Workspace"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Workspace*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual ToolbarPanels* toolbarPanels_raw() const = 0;
  virtual char* id_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<ToolbarPanels> Workspace::toolbarPanels() const {
  Ptr<ToolbarPanels> res = toolbarPanels_raw();
  return res;
}

inline std::string Workspace::id() const {
  std::string res;
  char* p = id_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

}  // namespace core
}  // namespace adsk

// One toolbar panel; its controls are the entries of its drop-down, promoted ones also showing in
// the panel itself.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class ToolbarControls;

class ToolbarPanel : public Base {
 public:
  /// The panel's controls.
  Ptr<ToolbarControls> controls() const;

  /// The panel's unique ID.
  std::string id() const;

  /// Whether the panel is shown (read-only).
  bool isVisible() const;

  static const char* classType() { return "adsk::core::ToolbarPanel"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ToolbarPanel*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual ToolbarControls* controls_raw() const = 0;
  virtual char* id_raw() const = 0;
  virtual bool isVisible_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<ToolbarControls> ToolbarPanel::controls() const {
  Ptr<ToolbarControls> res = controls_raw();
  return res;
}

inline std::string ToolbarPanel::id() const {
  std::string res;
  char* p = id_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool ToolbarPanel::isVisible() const { return isVisible_raw(); }

}  // namespace core
}  // namespace adsk

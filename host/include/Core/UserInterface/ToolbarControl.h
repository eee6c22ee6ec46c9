// A control in a panel or toolbar: the base of command controls. Its only boolean display property
// is visibility.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class ToolbarControl : public Base {
 public:
  /// The control's ID.
  std::string id() const;

  /// The control's position among its siblings.
  size_t index() const;

  /// Whether the control is shown.
  bool isVisible() const;

  /// Shows or hides the control; false on failure.
  bool isVisible(bool value);

  /// The panel or toolbar that holds the control.
  Ptr<Base> parent() const;

  /// Removes the control; true on success.
  bool deleteMe();

  static const char* classType() { return "adsk::core::ToolbarControl"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ToolbarControl*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual char* id_raw() const = 0;
  virtual size_t index_raw() const = 0;
  virtual bool isVisible_raw() const = 0;
  virtual bool isVisible_raw(bool value) = 0;
  virtual Base* parent_raw() const = 0;
  virtual bool deleteMe_raw() = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string ToolbarControl::id() const {
  std::string res;
  char* p = id_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline size_t ToolbarControl::index() const { return index_raw(); }

inline bool ToolbarControl::isVisible() const { return isVisible_raw(); }

inline bool ToolbarControl::isVisible(bool value) { return isVisible_raw(value); }

inline Ptr<Base> ToolbarControl::parent() const {
  Ptr<Base> res = parent_raw();
  return res;
}

inline bool ToolbarControl::deleteMe() { return deleteMe_raw(); }

}  // namespace core
}  // namespace adsk

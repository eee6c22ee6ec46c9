// A dialog input for a yes or no: a check box, ticked or not, or a button with an icon from its
// resource folder.
#pragma once

#include <string>

#include "CommandInput.h"

namespace adsk {
namespace core {

class BoolValueCommandInput : public CommandInput {
 public:
  /// Whether the check box is ticked (the button pressed).
  bool value() const;

  /// Ticks or clears the check box; false on failure.
  bool value(bool value);

  /// The folder of the button's icons; empty for a check box.
  std::string resourceFolder() const;

  /// Sets the folder of the button's icons; false on failure.
  bool resourceFolder(const std::string& value);

  /// Whether the input is shown as a check box rather than a button.
  bool isCheckBox() const;

  static const char* classType() { return "adsk::core::BoolValueCommandInput"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<BoolValueCommandInput*>(this)
                                               : CommandInput::queryInterface(id);
  }

 private:
  virtual bool value_raw() const = 0;
  virtual bool value_raw(bool value) = 0;
  virtual char* resourceFolder_raw() const = 0;
  virtual bool resourceFolder_raw(const char* value) = 0;
  virtual bool isCheckBox_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline bool BoolValueCommandInput::value() const { return value_raw(); }

inline bool BoolValueCommandInput::value(bool value) { return value_raw(value); }

inline std::string BoolValueCommandInput::resourceFolder() const {
  std::string res;
  char* p = resourceFolder_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool BoolValueCommandInput::resourceFolder(const std::string& value) {
  return resourceFolder_raw(value.c_str());
}

inline bool BoolValueCommandInput::isCheckBox() const { return isCheckBox_raw(); }

}  // namespace core
}  // namespace adsk

// A dialog input for a line of text. Add-ins read expressions typed by the user from it; the
// host keeps the text as typed.
#pragma once

#include <string>

#include "CommandInput.h"

namespace adsk {
namespace core {

class StringValueCommandInput : public CommandInput {
 public:
  /// The text.
  std::string value() const;

  /// Sets the text; false on failure.
  bool value(const std::string& value);

  /// Whether the user can edit the text.
  bool isReadOnly() const;

  /// Makes the text read-only or editable; false on failure.
  bool isReadOnly(bool value);

  /// Whether the text is shown as erroneous.
  bool isValueError() const;

  /// Shows the text as erroneous or not; false on failure.
  bool isValueError(bool value);

  static const char* classType() { return "adsk::core::StringValueCommandInput"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<StringValueCommandInput*>(this)
                                               : CommandInput::queryInterface(id);
  }

 private:
  virtual char* value_raw() const = 0;
  virtual bool value_raw(const char* value) = 0;
  virtual bool isReadOnly_raw() const = 0;
  virtual bool isReadOnly_raw(bool value) = 0;
  virtual bool isValueError_raw() const = 0;
  virtual bool isValueError_raw(bool value) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string StringValueCommandInput::value() const {
  std::string res;
  char* p = value_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool StringValueCommandInput::value(const std::string& value) {
  return value_raw(value.c_str());
}

inline bool StringValueCommandInput::isReadOnly() const { return isReadOnly_raw(); }

inline bool StringValueCommandInput::isReadOnly(bool value) { return isReadOnly_raw(value); }

inline bool StringValueCommandInput::isValueError() const { return isValueError_raw(); }

inline bool StringValueCommandInput::isValueError(bool value) { return isValueError_raw(value); }

}  // namespace core
}  // namespace adsk

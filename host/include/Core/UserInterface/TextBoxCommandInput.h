// A dialog text box of one or more rows, used for notes and notifications. It takes basic HTML
// through formattedText; text gives the text without the formatting.
#pragma once

#include <string>

#include "CommandInput.h"

namespace adsk {
namespace core {

class TextBoxCommandInput : public CommandInput {
 public:
  /// The text, formatting removed.
  std::string text() const;

  /// Sets the text as plain text; false on failure.
  bool text(const std::string& value);

  /// The text with its HTML formatting.
  std::string formattedText() const;

  /// Sets the text with HTML formatting; false on failure.
  bool formattedText(const std::string& value);

  /// The height in rows.
  int numRows() const;

  /// Sets the height in rows; false on failure.
  bool numRows(int value);

  /// Whether the user can edit the text.
  bool isReadOnly() const;

  /// Makes the text read-only or editable; false on failure.
  bool isReadOnly(bool value);

  static const char* classType() { return "adsk::core::TextBoxCommandInput"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<TextBoxCommandInput*>(this)
                                               : CommandInput::queryInterface(id);
  }

 private:
  virtual char* text_raw() const = 0;
  virtual bool text_raw(const char* value) = 0;
  virtual char* formattedText_raw() const = 0;
  virtual bool formattedText_raw(const char* value) = 0;
  virtual int numRows_raw() const = 0;
  virtual bool numRows_raw(int value) = 0;
  virtual bool isReadOnly_raw() const = 0;
  virtual bool isReadOnly_raw(bool value) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string TextBoxCommandInput::text() const {
  std::string res;
  char* p = text_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool TextBoxCommandInput::text(const std::string& value) { return text_raw(value.c_str()); }

inline std::string TextBoxCommandInput::formattedText() const {
  std::string res;
  char* p = formattedText_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool TextBoxCommandInput::formattedText(const std::string& value) {
  return formattedText_raw(value.c_str());
}

inline int TextBoxCommandInput::numRows() const { return numRows_raw(); }

inline bool TextBoxCommandInput::numRows(int value) { return numRows_raw(value); }

inline bool TextBoxCommandInput::isReadOnly() const { return isReadOnly_raw(); }

inline bool TextBoxCommandInput::isReadOnly(bool value) { return isReadOnly_raw(value); }

}  // namespace core
}  // namespace adsk

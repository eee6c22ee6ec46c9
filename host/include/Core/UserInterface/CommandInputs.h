// The inputs of a command's dialog. Add-ins create their inputs here when the command is created
// and find them again by ID in later events.
#pragma once

#include <string>

#include "../Base.h"
#include "../CoreTypeDefs.h"

namespace adsk {
namespace core {

class BoolValueCommandInput;
class Command;
class CommandInput;
class DropDownCommandInput;
class StringValueCommandInput;
class ValueCommandInput;
class TextBoxCommandInput;
class ValueInput;

class CommandInputs : public Base {
 public:
  typedef CommandInput iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// The input with this ID; null if there is none.
  Ptr<CommandInput> itemById(const std::string& id) const;

  /// The input at index; null for an invalid index.
  Ptr<CommandInput> item(size_t index) const;

  /// The number of inputs.
  size_t count() const;

  /// The command the inputs belong to.
  Ptr<Command> command() const;

  /// A new text box for a string; id must be unique within the command. Null on failure.
  Ptr<StringValueCommandInput> addStringValueInput(const std::string& id, const std::string& name,
                                                   const std::string& initialValue = "");

  /// A new value input in unitType ("" for none); an initial string must evaluate in that unit, a
  /// real is taken in internal units. Null on failure.
  Ptr<ValueCommandInput> addValueInput(const std::string& id, const std::string& name,
                                       const std::string& unitType,
                                       const Ptr<ValueInput>& initialValue);

  /// A new text box; formattedText may use basic HTML, an empty name spans the dialog's width. Null
  /// on failure.
  Ptr<TextBoxCommandInput> addTextBoxCommandInput(const std::string& id, const std::string& name,
                                                  const std::string& formattedText, int numRows,
                                                  bool isReadOnly);

  /// A new drop-down list, without items (add them through its listItems()). Null on failure.
  Ptr<DropDownCommandInput> addDropDownCommandInput(const std::string& id, const std::string& name,
                                                    DropDownStyles dropDownStyle);

  /// A new check box (isCheckBox) or button whose icons are in resourceFolder, ticked or pressed
  /// when initialValue is true. Null on failure.
  Ptr<BoolValueCommandInput> addBoolValueInput(const std::string& id, const std::string& name,
                                               bool isCheckBox,
                                               const std::string& resourceFolder = "",
                                               bool initialValue = false);

  static const char* classType() { return "adsk::core::CommandInputs"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CommandInputs*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual CommandInput* itemById_raw(const char* id) const = 0;
  virtual CommandInput* item_raw(size_t index) const = 0;
  virtual size_t count_raw() const = 0;
  virtual Command* command_raw() const = 0;
  virtual StringValueCommandInput* addStringValueInput_raw(const char* id, const char* name,
                                                           const char* initialValue) = 0;
  virtual ValueCommandInput* addValueInput_raw(const char* id, const char* name,
                                               const char* unitType, ValueInput* initialValue) = 0;
  virtual TextBoxCommandInput* addTextBoxCommandInput_raw(const char* id, const char* name,
                                                          const char* formattedText, int numRows,
                                                          bool isReadOnly) = 0;
  virtual DropDownCommandInput* addDropDownCommandInput_raw(const char* id, const char* name,
                                                            DropDownStyles dropDownStyle) = 0;
  virtual BoolValueCommandInput* addBoolValueInput_raw(const char* id, const char* name,
                                                       bool isCheckBox, const char* resourceFolder,
                                                       bool initialValue) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<CommandInput> CommandInputs::itemById(const std::string& id) const {
  Ptr<CommandInput> res = itemById_raw(id.c_str());
  return res;
}

inline Ptr<CommandInput> CommandInputs::item(size_t index) const {
  Ptr<CommandInput> res = item_raw(index);
  return res;
}

inline size_t CommandInputs::count() const { return count_raw(); }

inline Ptr<Command> CommandInputs::command() const {
  Ptr<Command> res = command_raw();
  return res;
}

inline Ptr<StringValueCommandInput> CommandInputs::addStringValueInput(
    const std::string& id, const std::string& name, const std::string& initialValue) {
  Ptr<StringValueCommandInput> res =
      addStringValueInput_raw(id.c_str(), name.c_str(), initialValue.c_str());
  return res;
}

inline Ptr<ValueCommandInput> CommandInputs::addValueInput(const std::string& id,
                                                           const std::string& name,
                                                           const std::string& unitType,
                                                           const Ptr<ValueInput>& initialValue) {
  Ptr<ValueCommandInput> res =
      addValueInput_raw(id.c_str(), name.c_str(), unitType.c_str(), initialValue.get());
  return res;
}

inline Ptr<TextBoxCommandInput> CommandInputs::addTextBoxCommandInput(
    const std::string& id, const std::string& name, const std::string& formattedText, int numRows,
    bool isReadOnly) {
  Ptr<TextBoxCommandInput> res = addTextBoxCommandInput_raw(
      id.c_str(), name.c_str(), formattedText.c_str(), numRows, isReadOnly);
  return res;
}

inline Ptr<DropDownCommandInput> CommandInputs::addDropDownCommandInput(
    const std::string& id, const std::string& name, DropDownStyles dropDownStyle) {
  Ptr<DropDownCommandInput> res =
      addDropDownCommandInput_raw(id.c_str(), name.c_str(), dropDownStyle);
  return res;
}

inline Ptr<BoolValueCommandInput> CommandInputs::addBoolValueInput(
    const std::string& id, const std::string& name, bool isCheckBox,
    const std::string& resourceFolder, bool initialValue) {
  Ptr<BoolValueCommandInput> res = addBoolValueInput_raw(id.c_str(), name.c_str(), isCheckBox,
                                                         resourceFolder.c_str(), initialValue);
  return res;
}

template <class OutputIterator>
inline void CommandInputs::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace core
}  // namespace adsk

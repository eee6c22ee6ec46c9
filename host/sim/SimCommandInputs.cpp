// The simulated dialog inputs collection and the CommandInput members that need it.
#include "host/sim/SimCommandInputs.h"

#include "host/sim/Lookup.h"
#include "host/sim/SimBoolValueCommandInput.h"
#include "host/sim/SimCommand.h"
#include "host/sim/SimDropDownCommandInput.h"
#include "host/sim/SimStringValueCommandInput.h"
#include "host/sim/SimTextBoxCommandInput.h"
#include "host/sim/SimValueCommandInput.h"
#include "host/sim/SimValueInput.h"
#include "host/sim/ValueExpression.h"

namespace fsim {

std::shared_ptr<InputNode> SimCommandInputs::find(const std::string& id) const {
  return childById(inputs_, id.c_str());
}

bool SimCommandInputs::remove(const InputNode* input) { return removeChild(inputs_, input); }

void SimCommandInputs::markDeleted() {
  SimObject::markDeleted();
  for (auto& input : inputs_) input->object().markDeleted();
}

adsk::core::CommandInput* SimCommandInputs::handOutInput(
    const std::shared_ptr<InputNode>& input) const {
  return handOutAs<adsk::core::CommandInput>(input ? &input->object() : nullptr);
}

adsk::core::CommandInput* SimCommandInputs::itemById_raw(const char* id) const {
  if (refused("CommandInputs.itemById") || !id) return nullptr;
  return handOutInput(find(id));
}

adsk::core::CommandInput* SimCommandInputs::item_raw(size_t index) const {
  if (refused("CommandInputs.item")) return nullptr;
  return handOutInput(childAt(inputs_, index));
}

size_t SimCommandInputs::count_raw() const {
  if (refused("CommandInputs.count")) return 0;
  return inputs_.size();
}

adsk::core::Command* SimCommandInputs::command_raw() const {
  if (refused("CommandInputs.command")) return nullptr;
  return handOut(command_.lock());
}

bool SimCommandInputs::acceptableId(const char* id) const { return id && *id && !find(id); }

adsk::core::StringValueCommandInput* SimCommandInputs::addStringValueInput_raw(
    const char* id, const char* name, const char* initialValue) {
  if (refused("CommandInputs.addStringValueInput") || !acceptableId(id)) return nullptr;
  auto input = std::make_shared<SimStringValueCommandInput>(
      id, name ? name : "", initialValue ? initialValue : "",
      std::static_pointer_cast<SimCommandInputs>(shared_from_this()));
  inputs_.push_back(input);
  return handOut(input);
}

adsk::core::ValueCommandInput* SimCommandInputs::addValueInput_raw(
    const char* id, const char* name, const char* unitType, adsk::core::ValueInput* initialValue) {
  if (refused("CommandInputs.addValueInput") || !acceptableId(id) || !unitType) return nullptr;
  auto* initial = dynamic_cast<SimValueInput*>(initialValue);
  if (!initial || !initial->alive()) return nullptr;
  std::string expression;
  double value = 0.0;
  if (initial->isString()) {
    // The initial text must evaluate in the unit type, or the input is not created.
    expression = initial->text();
    if (!evaluateInDesign(expression, unitType, value)) return nullptr;
  } else {
    value = initial->real();
    expression = numberText(value);
  }
  auto input = std::make_shared<SimValueCommandInput>(
      id, name ? name : "", unitType, expression, value,
      std::static_pointer_cast<SimCommandInputs>(shared_from_this()));
  inputs_.push_back(input);
  return handOut(input);
}

adsk::core::TextBoxCommandInput* SimCommandInputs::addTextBoxCommandInput_raw(
    const char* id, const char* name, const char* formattedText, int numRows, bool isReadOnly) {
  if (refused("CommandInputs.addTextBoxCommandInput") || !acceptableId(id) || numRows < 1) {
    return nullptr;
  }
  auto input = std::make_shared<SimTextBoxCommandInput>(
      id, name ? name : "", formattedText ? formattedText : "", numRows, isReadOnly,
      std::static_pointer_cast<SimCommandInputs>(shared_from_this()));
  inputs_.push_back(input);
  return handOut(input);
}

adsk::core::DropDownCommandInput* SimCommandInputs::addDropDownCommandInput_raw(
    const char* id, const char* name, adsk::core::DropDownStyles dropDownStyle) {
  if (refused("CommandInputs.addDropDownCommandInput") || !acceptableId(id) ||
      dropDownStyle < adsk::core::LabeledIconDropDownStyle ||
      dropDownStyle > adsk::core::CheckBoxDropDownStyle) {
    return nullptr;
  }
  auto input = std::make_shared<SimDropDownCommandInput>(
      id, name ? name : "", dropDownStyle,
      std::static_pointer_cast<SimCommandInputs>(shared_from_this()));
  inputs_.push_back(input);
  return handOut(input);
}

adsk::core::BoolValueCommandInput* SimCommandInputs::addBoolValueInput_raw(
    const char* id, const char* name, bool isCheckBox, const char* resourceFolder,
    bool initialValue) {
  if (refused("CommandInputs.addBoolValueInput") || !acceptableId(id)) return nullptr;
  auto input = std::make_shared<SimBoolValueCommandInput>(
      id, name ? name : "", isCheckBox, resourceFolder ? resourceFolder : "", initialValue,
      std::static_pointer_cast<SimCommandInputs>(shared_from_this()));
  inputs_.push_back(input);
  return handOut(input);
}

template <class Api>
adsk::core::Command* SimCommandInputOf<Api>::parentCommand_raw() const {
  if (this->refused("CommandInput.parentCommand")) return nullptr;
  std::shared_ptr<SimCommandInputs> owner = owner_.lock();
  return owner ? handOut(owner->command()) : nullptr;
}

template <class Api>
adsk::core::CommandInputs* SimCommandInputOf<Api>::commandInputs_raw() const {
  if (this->refused("CommandInput.commandInputs")) return nullptr;
  return handOut(owner_.lock());
}

template <class Api>
bool SimCommandInputOf<Api>::deleteMe_raw() {
  if (this->refused("CommandInput.deleteMe")) return false;
  std::shared_ptr<SimObject> self = this->shared_from_this();
  this->markDeleted();
  if (std::shared_ptr<SimCommandInputs> owner = owner_.lock()) owner->remove(this);
  return true;
}

template class SimCommandInputOf<adsk::core::StringValueCommandInput>;
template class SimCommandInputOf<adsk::core::ValueCommandInput>;
template class SimCommandInputOf<adsk::core::TextBoxCommandInput>;
template class SimCommandInputOf<adsk::core::DropDownCommandInput>;
template class SimCommandInputOf<adsk::core::BoolValueCommandInput>;

}  // namespace fsim

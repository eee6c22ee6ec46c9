// A command's dialog inputs: created by the add-in with the add operations, found by ID or index,
// and described to the driver in creation order.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/Sim.h"
#include "host/sim/SimCommandInput.h"

namespace fsim {

class SimCommand;

class SimCommandInputs : public Sim<adsk::core::CommandInputs> {
 public:
  explicit SimCommandInputs(std::weak_ptr<SimCommand> command) : command_(std::move(command)) {}

  /// The input with that ID, or null.
  std::shared_ptr<InputNode> find(const std::string& id) const;
  const std::vector<std::shared_ptr<InputNode>>& all() const { return inputs_; }
  std::shared_ptr<SimCommand> command() const { return command_.lock(); }
  /// Takes the input out (it becomes invalid); false if it is not there.
  bool remove(const InputNode* input);
  void markDeleted() override;

 private:
  adsk::core::CommandInput* itemById_raw(const char* id) const override;
  adsk::core::CommandInput* item_raw(size_t index) const override;
  size_t count_raw() const override;
  adsk::core::Command* command_raw() const override;
  adsk::core::StringValueCommandInput* addStringValueInput_raw(const char* id, const char* name,
                                                               const char* initialValue) override;
  adsk::core::ValueCommandInput* addValueInput_raw(const char* id, const char* name,
                                                   const char* unitType,
                                                   adsk::core::ValueInput* initialValue) override;
  adsk::core::TextBoxCommandInput* addTextBoxCommandInput_raw(const char* id, const char* name,
                                                              const char* formattedText,
                                                              int numRows,
                                                              bool isReadOnly) override;
  adsk::core::DropDownCommandInput* addDropDownCommandInput_raw(
      const char* id, const char* name, adsk::core::DropDownStyles dropDownStyle) override;
  adsk::core::BoolValueCommandInput* addBoolValueInput_raw(const char* id, const char* name,
                                                           bool isCheckBox,
                                                           const char* resourceFolder,
                                                           bool initialValue) override;

  /// Input IDs must be non-empty and unique within the command.
  bool acceptableId(const char* id) const;
  adsk::core::CommandInput* handOutInput(const std::shared_ptr<InputNode>& input) const;

  std::weak_ptr<SimCommand> command_;
  std::vector<std::shared_ptr<InputNode>> inputs_;
};

}  // namespace fsim

// A check box or button of a dialog; the driver ticks or clears a check box as a user would.
#pragma once

#include "host/sim/SimCommandInput.h"

namespace fsim {

class SimBoolValueCommandInput : public SimCommandInputOf<adsk::core::BoolValueCommandInput> {
 public:
  SimBoolValueCommandInput(std::string id, std::string name, bool checkBox,
                           std::string resourceFolder, bool value,
                           std::weak_ptr<SimCommandInputs> owner)
      : SimCommandInputOf(std::move(id), std::move(name), std::move(owner)),
        checkBox_(checkBox),
        resourceFolder_(std::move(resourceFolder)),
        value_(value) {}

  bool checkBox() const { return checkBox_; }
  /// The user's tick or clearing of the check box.
  void userSetsValue(bool value) { value_ = value; }
  InputInfo info() const override {
    InputInfo info = baseInfo("BoolValueCommandInput");
    info.checked = value_;
    info.checkBox = checkBox_;
    return info;
  }

 private:
  bool value_raw() const override { return !refused("BoolValueCommandInput.value") && value_; }
  bool value_raw(bool value) override {
    if (refused("BoolValueCommandInput.value")) return false;
    value_ = value;
    return true;
  }
  char* resourceFolder_raw() const override {
    if (refused("BoolValueCommandInput.resourceFolder")) return nullptr;
    return newHostString(resourceFolder_);
  }
  bool resourceFolder_raw(const char* value) override {
    if (refused("BoolValueCommandInput.resourceFolder") || !value) return false;
    resourceFolder_ = value;
    return true;
  }
  bool isCheckBox_raw() const override {
    return !refused("BoolValueCommandInput.isCheckBox") && checkBox_;
  }

  bool checkBox_;
  std::string resourceFolder_;
  bool value_;
};

}  // namespace fsim

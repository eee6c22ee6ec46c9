// A one-line text input of a dialog; the driver types into it as a user would.
#pragma once

#include "host/sim/SimCommandInput.h"

namespace fsim {

class SimStringValueCommandInput : public SimCommandInputOf<adsk::core::StringValueCommandInput> {
 public:
  SimStringValueCommandInput(std::string id, std::string name, std::string value,
                             std::weak_ptr<SimCommandInputs> owner)
      : SimCommandInputOf(std::move(id), std::move(name), std::move(owner)),
        value_(std::move(value)) {}

  /// The user's edit.
  void userSetsValue(const std::string& value) { value_ = value; }
  InputInfo info() const override {
    InputInfo info = baseInfo("StringValueCommandInput");
    info.text = value_;
    info.readOnly = readOnly_;
    return info;
  }

 private:
  char* value_raw() const override {
    if (refused("StringValueCommandInput.value")) return nullptr;
    return newHostString(value_);
  }
  bool value_raw(const char* value) override {
    if (refused("StringValueCommandInput.value") || !value) return false;
    value_ = value;
    return true;
  }
  bool isReadOnly_raw() const override {
    return !refused("StringValueCommandInput.isReadOnly") && readOnly_;
  }
  bool isReadOnly_raw(bool value) override {
    if (refused("StringValueCommandInput.isReadOnly")) return false;
    readOnly_ = value;
    return true;
  }
  bool isValueError_raw() const override {
    return !refused("StringValueCommandInput.isValueError") && valueError_;
  }
  bool isValueError_raw(bool value) override {
    if (refused("StringValueCommandInput.isValueError")) return false;
    valueError_ = value;
    return true;
  }

  std::string value_;
  bool readOnly_ = false;
  bool valueError_ = false;
};

}  // namespace fsim

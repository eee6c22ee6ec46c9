// What every kind of dialog input shares: ID, label, enabled and visible flags, the owning
// input collection, and a description of the input for the driver (InputNode).
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>

#include "host/sim/HostArrays.h"
#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimCommandInputs;

/// The driver's view of an input, whatever its API class.
class InputNode {
 public:
  virtual ~InputNode() = default;
  virtual const std::string& id() const = 0;
  virtual InputInfo info() const = 0;
  virtual SimObject& object() = 0;
};

/// The members of CommandInput, for Api = StringValueCommandInput, ValueCommandInput,
/// TextBoxCommandInput, DropDownCommandInput or BoolValueCommandInput.
template <class Api>
class SimCommandInputOf : public Sim<Api>, public InputNode {
 public:
  SimCommandInputOf(std::string id, std::string name, std::weak_ptr<SimCommandInputs> owner)
      : id_(std::move(id)), name_(std::move(name)), owner_(std::move(owner)) {}

  const std::string& id() const override { return id_; }
  SimObject& object() override { return *this; }
  /// Whether the dialog shows the input; a hidden one cannot be edited by the user.
  bool visible() const { return visible_; }

 protected:
  /// The fields every input reports; the concrete class adds its own.
  InputInfo baseInfo(const char* type) const {
    InputInfo info;
    info.id = id_;
    info.type = type;
    info.label = name_;
    info.visible = visible_;
    return info;
  }

 private:
  char* id_raw() const override {
    if (this->refused("CommandInput.id")) return nullptr;
    return newHostString(id_);
  }
  char* name_raw() const override {
    if (this->refused("CommandInput.name")) return nullptr;
    return newHostString(name_);
  }
  bool isEnabled_raw() const override {
    return !this->refused("CommandInput.isEnabled") && enabled_;
  }
  bool isEnabled_raw(bool value) override {
    if (this->refused("CommandInput.isEnabled")) return false;
    enabled_ = value;
    return true;
  }
  bool isVisible_raw() const override {
    return !this->refused("CommandInput.isVisible") && visible_;
  }
  bool isVisible_raw(bool value) override {
    if (this->refused("CommandInput.isVisible")) return false;
    visible_ = value;
    return true;
  }
  adsk::core::Command* parentCommand_raw() const override;
  adsk::core::CommandInputs* commandInputs_raw() const override;
  bool deleteMe_raw() override;

  std::string id_, name_;
  std::weak_ptr<SimCommandInputs> owner_;
  bool enabled_ = true;
  bool visible_ = true;
};

}  // namespace fsim

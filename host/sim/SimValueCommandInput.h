// A numeric input of a dialog: an expression in the input's unit type and the value it evaluates
// to, in database units. The driver sets a value as a user would by typing the number.
#pragma once

#include <cmath>

#include "host/sim/SimCommandInput.h"
#include "host/sim/ValueExpression.h"

namespace fsim {

class SimValueCommandInput : public SimCommandInputOf<adsk::core::ValueCommandInput> {
 public:
  /// expression must already evaluate (value is its value).
  SimValueCommandInput(std::string id, std::string name, std::string unitType,
                       std::string expression, double value, std::weak_ptr<SimCommandInputs> owner)
      : SimCommandInputOf(std::move(id), std::move(name), std::move(owner)),
        unitType_(std::move(unitType)),
        expression_(std::move(expression)),
        value_(value) {}

  /// The user's edit: the number typed in as the expression.
  void userSetsValue(double value) {
    value_ = value;
    expression_ = numberText(value);
    valid_ = true;
  }
  InputInfo info() const override {
    InputInfo info = baseInfo("ValueCommandInput");
    info.text = expression_;
    info.value = value_;
    info.unitType = unitType_;
    return info;
  }

 private:
  double value_raw() const override {
    if (refused("ValueCommandInput.value")) return 0.0;
    return value_;
  }
  bool value_raw(double value) override {
    if (refused("ValueCommandInput.value") || !std::isfinite(value)) return false;
    userSetsValue(value);
    return true;
  }
  char* expression_raw() const override {
    if (refused("ValueCommandInput.expression")) return nullptr;
    return newHostString(expression_);
  }
  bool expression_raw(const char* value) override {
    if (refused("ValueCommandInput.expression") || !value) return false;
    // Fusion keeps an invalid expression (flagged) and the last valid value.
    expression_ = value;
    valid_ = evaluateExpression(expression_, unitType_, value_);
    return true;
  }
  char* unitType_raw() const override {
    if (refused("ValueCommandInput.unitType")) return nullptr;
    return newHostString(unitType_);
  }
  bool isValidExpression_raw() const override {
    return !refused("ValueCommandInput.isValidExpression") && valid_;
  }

  std::string unitType_;
  std::string expression_;
  double value_;
  bool valid_ = true;
};

}  // namespace fsim

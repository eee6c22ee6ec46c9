// A numeric input of a dialog: an expression in the input's unit type and the value it evaluates
// to, in database units. The driver sets a value as a user would, by typing the number or an
// expression.
#pragma once

#include <cmath>
#include <string>

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
  /// The user's edit: `expression` typed in (see evaluateInDesign). One that does not evaluate is
  /// kept, flagged invalid, and the value stays the last valid one's, as Fusion does.
  void userTypesExpression(const std::string& expression) {
    expression_ = expression;
    valid_ = evaluateInDesign(expression_, unitType_, value_);
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
    userTypesExpression(value);
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

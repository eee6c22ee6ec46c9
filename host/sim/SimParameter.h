// A design parameter: a name and either a real value with a unit ("" for none; the value in
// internal units, cm or radians) or a text. Its expression is its value written in its unit.
// Api is Parameter for model parameters and UserParameter for user parameters.
#pragma once

#include <Fusion/FusionAll.h>

#include <cmath>
#include <string>
#include <utility>

#include "host/sim/HostArrays.h"
#include "host/sim/Sim.h"
#include "host/sim/Units.h"
#include "host/sim/ValueExpression.h"

namespace fsim {

template <class Api>
class SimParameterOf : public Sim<Api> {
 public:
  /// A numeric parameter; value in internal units, unit a text unitNamed knows (the host writes
  /// it as that unit's text).
  SimParameterOf(std::string name, double value, const std::string& unit = "")
      : name_(std::move(name)), value_(value), unit_(unitNamed(unit).value().text) {}
  /// A text parameter: value() fails for it as the host's does, answering 0.
  SimParameterOf(std::string name, std::string text)
      : name_(std::move(name)), value_(0.0), text_(std::move(text)), isText_(true) {}
  const std::string& name() const { return name_; }
  double value() const { return value_; }
  const std::string& unit() const { return unit_; }
  bool isText() const { return isText_; }
  /// The value written in the parameter's unit, with the unit after it unless it has none.
  std::string expression() const {
    const Unit unit = unitNamed(unit_).value();
    const std::string number = numberText(fromInternal(value_, unit));
    return unit_.empty() ? number : number + " " + unit_;
  }
  /// The user's change in the Parameters dialog (a text parameter becomes numeric).
  void setValue(double value) {
    value_ = value;
    isText_ = false;
  }

 private:
  // A failure that is no injected fault: recorded for Application::getLastError all the same.
  bool failsForText(const char* operation) const {
    if (this->refused(operation)) return true;
    if (!isText_) return false;
    if (Host* host = Host::current()) host->recordFailure(operation);
    return true;
  }

  char* name_raw() const override {
    if (this->refused("Parameter.name")) return nullptr;
    return newHostString(name_);
  }
  bool name_raw(const char* value) override {
    if (this->refused("Parameter.name") || !value || !*value) return false;
    name_ = value;
    return true;
  }
  double value_raw() const override {
    if (failsForText("Parameter.value")) return 0.0;
    return value_;
  }
  bool value_raw(double value) override {
    if (failsForText("Parameter.value") || !std::isfinite(value)) return false;
    value_ = value;
    return true;
  }
  char* expression_raw() const override {
    if (this->refused("Parameter.expression")) return nullptr;
    // The host writes a text parameter's expression as a quoted string.
    return newHostString(isText_ ? "'" + text_ + "'" : expression());
  }
  char* unit_raw() const override {
    if (this->refused("Parameter.unit")) return nullptr;
    return newHostString(unit_);
  }
  adsk::fusion::ParameterValueTypes valueType_raw() const override {
    // A failed call answers the enumeration's zero.
    if (this->refused("Parameter.valueType")) return adsk::fusion::NumericParameterValueType;
    return isText_ ? adsk::fusion::TextParameterValueType : adsk::fusion::NumericParameterValueType;
  }
  char* textValue_raw() const override {
    // Only text parameters have a text value.
    if (this->refused("Parameter.textValue") || !isText_) return nullptr;
    return newHostString(text_);
  }

  std::string name_;
  double value_;
  std::string unit_;
  std::string text_;
  bool isText_ = false;
};

using SimModelParameter = SimParameterOf<adsk::fusion::Parameter>;
using SimUserParameter = SimParameterOf<adsk::fusion::UserParameter>;

}  // namespace fsim

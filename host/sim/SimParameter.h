// A design parameter: a name and a unitless real value (the add-in takes values without unit
// conversion, so the simulated design keeps plain numbers). Api is Parameter for model
// parameters and UserParameter for user parameters.
#pragma once

#include <Fusion/FusionAll.h>

#include <cmath>
#include <string>

#include "host/sim/HostArrays.h"
#include "host/sim/Sim.h"
#include "host/sim/ValueExpression.h"

namespace fsim {

template <class Api>
class SimParameterOf : public Sim<Api> {
 public:
  SimParameterOf(std::string name, double value) : name_(std::move(name)), value_(value) {}
  const std::string& name() const { return name_; }
  double value() const { return value_; }

 private:
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
    if (this->refused("Parameter.value")) return 0.0;
    return value_;
  }
  bool value_raw(double value) override {
    if (this->refused("Parameter.value") || !std::isfinite(value)) return false;
    value_ = value;
    return true;
  }
  char* expression_raw() const override {
    if (this->refused("Parameter.expression")) return nullptr;
    return newHostString(numberText(value_));
  }
  char* unit_raw() const override {
    if (this->refused("Parameter.unit")) return nullptr;
    return newHostString("");
  }
  adsk::fusion::ParameterValueTypes valueType_raw() const override {
    this->refused("Parameter.valueType");
    return adsk::fusion::RealParameterValueType;
  }
  char* textValue_raw() const override {
    // Only text parameters have a text value.
    this->refused("Parameter.textValue");
    return nullptr;
  }

  std::string name_;
  double value_;
};

using SimModelParameter = SimParameterOf<adsk::fusion::Parameter>;
using SimUserParameter = SimParameterOf<adsk::fusion::UserParameter>;

}  // namespace fsim

// A ValueInput: the initial value an add-in gives a value command input, either a text to be
// evaluated by the input (createByString) or a real in database units (createByReal).
#pragma once

#include <Core/CoreAll.h>

#include <string>

#include "host/sim/Sim.h"

namespace fsim {

class SimValueInput : public Sim<adsk::core::ValueInput> {
 public:
  SimValueInput(bool isString, std::string text, double real)
      : isString_(isString), text_(std::move(text)), real_(real) {}

  bool isString() const { return isString_; }
  const std::string& text() const { return text_; }
  double real() const { return real_; }

 private:
  double realValue_raw() const override;
  char* stringValue_raw() const override;
  adsk::core::ValueTypes valueType_raw() const override;

  bool isString_;
  std::string text_;
  double real_;
};

}  // namespace fsim

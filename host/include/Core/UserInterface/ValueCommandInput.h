// A dialog input for a value with units, given as an expression. value() evaluates the current
// expression in the internal units of the input's unit type.
#pragma once

#include <string>

#include "CommandInput.h"

namespace adsk {
namespace core {

class ValueCommandInput : public CommandInput {
 public:
  /// The current expression's value in internal units.
  double value() const;

  /// Sets the value in internal units; false on failure.
  bool value(double value);

  /// The expression as the user sees it.
  std::string expression() const;

  /// Sets the expression; false on failure.
  bool expression(const std::string& value);

  /// The input's unit type ("" for none).
  std::string unitType() const;

  /// Whether the current expression evaluates.
  bool isValidExpression() const;

  static const char* classType() { return "adsk::core::ValueCommandInput"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ValueCommandInput*>(this)
                                               : CommandInput::queryInterface(id);
  }

 private:
  virtual double value_raw() const = 0;
  virtual bool value_raw(double value) = 0;
  virtual char* expression_raw() const = 0;
  virtual bool expression_raw(const char* value) = 0;
  virtual char* unitType_raw() const = 0;
  virtual bool isValidExpression_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline double ValueCommandInput::value() const { return value_raw(); }

inline bool ValueCommandInput::value(double value) { return value_raw(value); }

inline std::string ValueCommandInput::expression() const {
  std::string res;
  char* p = expression_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool ValueCommandInput::expression(const std::string& value) {
  return expression_raw(value.c_str());
}

inline std::string ValueCommandInput::unitType() const {
  std::string res;
  char* p = unitType_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool ValueCommandInput::isValidExpression() const { return isValidExpression_raw(); }

}  // namespace core
}  // namespace adsk

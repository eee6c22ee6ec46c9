// A named value of a design, given by an expression. Its value is a double in internal units
// (cm, rad), except for text parameters.
#pragma once

#include <string>

#include "../../Core/Base.h"
#include "../FusionTypeDefs.h"

namespace adsk {
namespace fusion {

class Parameter : public core::Base {
 public:
  /// The parameter's name, as expressions use it.
  std::string name() const;

  /// Renames the parameter; false on failure.
  bool name(const std::string& value);

  /// The value in internal units; fails for text parameters.
  double value() const;

  /// Sets the value in internal units; false on failure.
  bool value(double value);

  /// The expression that gives the value.
  std::string expression() const;

  /// The parameter's unit, such as "mm" or "deg"; empty for a parameter without one.
  std::string unit() const;

  /// Whether the parameter holds a number or a text.
  ParameterValueTypes valueType() const;

  /// The text of a text parameter.
  std::string textValue() const;

  static const char* classType() { return "adsk::fusion::Parameter"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Parameter*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual char* name_raw() const = 0;
  virtual bool name_raw(const char* value) = 0;
  virtual double value_raw() const = 0;
  virtual bool value_raw(double value) = 0;
  virtual char* expression_raw() const = 0;
  virtual char* unit_raw() const = 0;
  virtual ParameterValueTypes valueType_raw() const = 0;
  virtual char* textValue_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string Parameter::name() const {
  std::string res;
  char* p = name_raw();
  if (p) {
    res = p;
    core::DeallocateArray(p);
  }
  return res;
}

inline bool Parameter::name(const std::string& value) { return name_raw(value.c_str()); }

inline double Parameter::value() const { return value_raw(); }

inline bool Parameter::value(double value) { return value_raw(value); }

inline std::string Parameter::expression() const {
  std::string res;
  char* p = expression_raw();
  if (p) {
    res = p;
    core::DeallocateArray(p);
  }
  return res;
}

inline std::string Parameter::unit() const {
  std::string res;
  char* p = unit_raw();
  if (p) {
    res = p;
    core::DeallocateArray(p);
  }
  return res;
}

inline ParameterValueTypes Parameter::valueType() const { return valueType_raw(); }

inline std::string Parameter::textValue() const {
  std::string res;
  char* p = textValue_raw();
  if (p) {
    res = p;
    core::DeallocateArray(p);
  }
  return res;
}

}  // namespace fusion
}  // namespace adsk

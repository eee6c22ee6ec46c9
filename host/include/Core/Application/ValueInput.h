// A value handed to the host for a value input or a feature: either an expression text, evaluated
// later by the host (units may be written in it), or a real in the host's internal units.
#pragma once

#include <string>

#include "../Base.h"
#include "../CoreTypeDefs.h"

namespace adsk {
namespace core {

// The static creators live in the host library.
#ifdef XINTERFACE_EXPORTS
#define ADSK_CORE_VALUEINPUT_API XI_EXPORT
#else
#define ADSK_CORE_VALUEINPUT_API XI_IMPORT
#endif

class ValueInput : public Base {
 public:
  /// A value given by an expression text; null on failure.
  static Ptr<ValueInput> createByString(const std::string& stringValue);

  /// A value given by a real in internal units (cm, rad); null on failure.
  static Ptr<ValueInput> createByReal(double realValue);

  /// The real, for a value made by createByReal.
  double realValue() const;

  /// The text, for a value made by createByString.
  std::string stringValue() const;

  /// Which of the two the value holds.
  ValueTypes valueType() const;

  static const char* classType() { return "adsk::core::ValueInput"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ValueInput*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  ADSK_CORE_VALUEINPUT_API static ValueInput* createByString_raw(const char* stringValue);
  ADSK_CORE_VALUEINPUT_API static ValueInput* createByReal_raw(double realValue);
  virtual double realValue_raw() const = 0;
  virtual char* stringValue_raw() const = 0;
  virtual ValueTypes valueType_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<ValueInput> ValueInput::createByString(const std::string& stringValue) {
  Ptr<ValueInput> res = createByString_raw(stringValue.c_str());
  return res;
}

inline Ptr<ValueInput> ValueInput::createByReal(double realValue) {
  Ptr<ValueInput> res = createByReal_raw(realValue);
  return res;
}

inline double ValueInput::realValue() const { return realValue_raw(); }

inline std::string ValueInput::stringValue() const {
  std::string res;
  char* p = stringValue_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline ValueTypes ValueInput::valueType() const { return valueType_raw(); }

}  // namespace core
}  // namespace adsk

#undef ADSK_CORE_VALUEINPUT_API

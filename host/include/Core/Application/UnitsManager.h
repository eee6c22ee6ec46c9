// The units of a product: evaluating expressions with units, converting between units and
// formatting values for display. Values go in and come out in internal units (cm, radians) unless
// a member says otherwise.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class Product;

class UnitsManager : public Base {
 public:
  /// The product whose units these are.
  Ptr<Product> product() const;

  /// Whether expression evaluates for a value of `units` ("DefaultDistance" for the default
  /// length unit).
  bool isValidExpression(const std::string& expression, const std::string& units) const;

  /// The value of expression in internal units; a number without a unit is taken in `units`.
  /// -1 on failure, with the error for Application::getLastError.
  double evaluateExpression(const std::string& expression,
                            const std::string& units = "DefaultDistance") const;

  /// valueInInputUnits converted from inputUnits to outputUnits ("internalUnits" for the internal
  /// unit of the other's kind). -1 on failure, incompatible units included.
  double convert(double valueInInputUnits, const std::string& inputUnits,
                 const std::string& outputUnits) const;

  /// An internal value as the user reads it in displayUnits, with or without the unit.
  std::string formatInternalValue(double internalValue,
                                  const std::string& displayUnits = "DefaultDistance",
                                  bool showUnits = true) const;

  /// The text the host shows for units.
  std::string formatUnits(const std::string& units) const;

  /// The expression as the host writes it, a number given its unit.
  std::string standardizeExpression(const std::string& expression,
                                    const std::string& units = "DefaultDistance") const;

  /// The internal length unit, "cm".
  std::string internalUnits() const;

  /// The text the host shows for the default length unit, which follows the user's preferences;
  /// FusionUnitsManager::distanceDisplayUnits tells the unit itself.
  std::string defaultLengthUnits() const;

  static const char* classType() { return "adsk::core::UnitsManager"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<UnitsManager*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual Product* product_raw() const = 0;
  virtual bool isValidExpression_raw(const char* expression, const char* units) const = 0;
  virtual double evaluateExpression_raw(const char* expression, const char* units) const = 0;
  virtual double convert_raw(double valueInInputUnits, const char* inputUnits,
                             const char* outputUnits) const = 0;
  virtual char* formatInternalValue_raw(double internalValue, const char* displayUnits,
                                        bool showUnits) const = 0;
  virtual char* formatUnits_raw(const char* units) const = 0;
  virtual char* standardizeExpression_raw(const char* expression, const char* units) const = 0;
  virtual char* internalUnits_raw() const = 0;
  virtual char* defaultLengthUnits_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Product> UnitsManager::product() const {
  Ptr<Product> res = product_raw();
  return res;
}

inline bool UnitsManager::isValidExpression(const std::string& expression,
                                            const std::string& units) const {
  return isValidExpression_raw(expression.c_str(), units.c_str());
}

inline double UnitsManager::evaluateExpression(const std::string& expression,
                                               const std::string& units) const {
  return evaluateExpression_raw(expression.c_str(), units.c_str());
}

inline double UnitsManager::convert(double valueInInputUnits, const std::string& inputUnits,
                                    const std::string& outputUnits) const {
  return convert_raw(valueInInputUnits, inputUnits.c_str(), outputUnits.c_str());
}

inline std::string UnitsManager::formatInternalValue(double internalValue,
                                                     const std::string& displayUnits,
                                                     bool showUnits) const {
  std::string res;
  char* p = formatInternalValue_raw(internalValue, displayUnits.c_str(), showUnits);
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline std::string UnitsManager::formatUnits(const std::string& units) const {
  std::string res;
  char* p = formatUnits_raw(units.c_str());
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline std::string UnitsManager::standardizeExpression(const std::string& expression,
                                                       const std::string& units) const {
  std::string res;
  char* p = standardizeExpression_raw(expression.c_str(), units.c_str());
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline std::string UnitsManager::internalUnits() const {
  std::string res;
  char* p = internalUnits_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline std::string UnitsManager::defaultLengthUnits() const {
  std::string res;
  char* p = defaultLengthUnits_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

}  // namespace core
}  // namespace adsk

// Number-with-unit evaluation for value inputs.
#include "host/sim/ValueExpression.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>

namespace fsim {

namespace {

struct Unit {
  char kind;      // 'L' length, 'A' angle
  double factor;  // to database units
};

const std::map<std::string, Unit>& units() {
  static const std::map<std::string, Unit> table = {
      {"mm", {'L', 0.1}},   {"cm", {'L', 1.0}},           {"m", {'L', 100.0}}, {"in", {'L', 2.54}},
      {"ft", {'L', 30.48}}, {"deg", {'A', M_PI / 180.0}}, {"rad", {'A', 1.0}}};
  return table;
}

std::string trimmed(const std::string& text) {
  const char* blanks = " \t";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

}  // namespace

bool evaluateExpression(const std::string& expression, const std::string& unitType, double& value) {
  std::string text = trimmed(expression);
  if (text.empty()) return false;
  const char* begin = text.c_str();
  char* end = nullptr;
  double number = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(number)) return false;
  std::string unitText = trimmed(std::string(end));

  if (unitType.empty()) {
    if (!unitText.empty()) return false;
    value = number;
    return true;
  }
  auto inputUnit = units().find(unitType);
  if (inputUnit == units().end()) return false;
  const Unit* unit = &inputUnit->second;
  if (!unitText.empty()) {
    auto written = units().find(unitText);
    if (written == units().end() || written->second.kind != unit->kind) return false;
    unit = &written->second;
  }
  value = number * unit->factor;
  return true;
}

std::string numberText(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace fsim

// Number-with-unit and arithmetic evaluation for value inputs.
#include "host/sim/ValueExpression.h"

#include <muParserDLL.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>

#include "host/sim/Host.h"
#include "host/sim/SimApplication.h"
#include "host/sim/SimDesign.h"

namespace fsim {

namespace {

constexpr int kFloatingPointParser = 0;

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

// `text` as a number with an optional unit; `unit` is the input's, null for a unitless input.
bool readNumber(const std::string& text, const Unit* unit, double& value) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const double number = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(number)) return false;
  const std::string unitText = trimmed(std::string(end));
  if (!unit) {
    if (!unitText.empty()) return false;
    value = number;
    return true;
  }
  if (!unitText.empty()) {
    auto written = units().find(unitText);
    if (written == units().end() || written->second.kind != unit->kind) return false;
    unit = &written->second;
  }
  value = number * unit->factor;
  return true;
}

struct ParserRelease {
  void operator()(void* parser) const { mupRelease(parser); }
};

// muparser flags its errors instead of throwing them; only the flag is read, never the message,
// whose formatting into a fixed buffer a long unknown name would overrun.
bool evaluateArithmetic(const std::string& text, const ExpressionNames& names, double& value) {
  const std::unique_ptr<void, ParserRelease> parser(mupCreate(kFloatingPointParser));
  // muparser's own constants (_pi, _e) are no names a host expression knows.
  mupClearConst(parser.get());
  mupDefineConst(parser.get(), "pi", M_PI);
  for (const auto& [name, number] : names) mupDefineConst(parser.get(), name.c_str(), number);
  // A name muparser refuses is one the expression cannot use; the flag must not count against it.
  mupError(parser.get());
  mupSetExpr(parser.get(), text.c_str());
  int count = 0;
  const double* results = mupEvalMulti(parser.get(), &count);
  if (mupError(parser.get()) || count != 1 || !results || !std::isfinite(results[0])) return false;
  value = results[0];
  return true;
}

}  // namespace

bool evaluateExpression(const std::string& expression, const std::string& unitType, double& value,
                        const ExpressionNames& names) {
  const Unit* unit = nullptr;
  if (!unitType.empty()) {
    auto inputUnit = units().find(unitType);
    if (inputUnit == units().end()) return false;
    unit = &inputUnit->second;
  }
  const std::string text = trimmed(expression);
  if (text.empty()) return false;
  double result = 0;
  if (readNumber(text, unit, result)) {
    value = result;
    return true;
  }
  if (!evaluateArithmetic(text, names, result)) return false;
  if (unit) result *= unit->factor;
  if (!std::isfinite(result)) return false;
  value = result;
  return true;
}

bool evaluateInDesign(const std::string& expression, const std::string& unitType, double& value) {
  ExpressionNames names;
  if (Host* host = Host::current(); host && host->application) {
    const SimDesign& design = host->application->design();
    for (const auto& parameter : design.userParameters()) {
      if (!parameter->isText()) names.emplace_back(parameter->name(), parameter->value());
    }
    for (const auto& parameter : design.modelParameters()) {
      names.emplace_back(parameter->name(), parameter->value());
    }
  }
  return evaluateExpression(expression, unitType, value, names);
}

std::string numberText(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace fsim

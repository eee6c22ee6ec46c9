// Number-with-unit and arithmetic evaluation for value inputs.
#include "host/sim/ValueExpression.h"

#include <muParserDLL.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include "host/sim/Host.h"
#include "host/sim/SimApplication.h"
#include "host/sim/SimDesign.h"
#include "host/sim/Units.h"

namespace fsim {

namespace {

constexpr int kFloatingPointParser = 0;

// `text` as a number with an optional unit of the kind of `unit`, the input's; a unitless input
// takes none.
bool readNumber(const std::string& text, const Unit& unit, double& value) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const double number = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(number)) return false;
  const std::string unitText = trimmed(std::string(end));
  Unit taken = unit;
  if (!unitText.empty()) {
    const std::optional<Unit> written = unitNamed(unitText);
    if (!written || written->kind != unit.kind) return false;
    taken = *written;
  }
  value = toInternal(number, taken);
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

std::string trimmed(const std::string& text) {
  const char* blanks = " \t";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

bool evaluateExpression(const std::string& expression, const std::string& unitType, double& value,
                        const ExpressionNames& names) {
  const std::optional<Unit> unit = unitNamed(unitType);
  if (!unit) return false;
  const std::string text = trimmed(expression);
  if (text.empty()) return false;
  double result = 0;
  if (readNumber(text, *unit, result)) {
    value = result;
    return true;
  }
  if (!evaluateArithmetic(text, names, result)) return false;
  result = toInternal(result, *unit);
  if (!std::isfinite(result)) return false;
  value = result;
  return true;
}

namespace {

// The number a parameter stands for in an expression for an input of unit `input`.
template <class Parameter>
double numberFor(const Parameter& parameter, const std::optional<Unit>& input) {
  const std::optional<Unit> own = unitNamed(parameter.unit());
  if (input && own && own->kind == input->kind) return fromInternal(parameter.value(), *input);
  return parameter.value();
}

}  // namespace

bool evaluateInDesign(const std::string& expression, const std::string& unitType, double& value) {
  std::string inputUnit = unitType;
  ExpressionNames names;
  if (Host* host = Host::current(); host && host->application) {
    const SimDesign& design = host->application->design();
    if (inputUnit == kDefaultDistance) inputUnit = lengthUnitText(design.lengthUnit());
    const std::optional<Unit> unit = unitNamed(inputUnit);
    for (const auto& parameter : design.userParameters()) {
      if (!parameter->isText()) names.emplace_back(parameter->name(), numberFor(*parameter, unit));
    }
    for (const auto& parameter : design.modelParameters()) {
      names.emplace_back(parameter->name(), numberFor(*parameter, unit));
    }
  }
  return evaluateExpression(expression, inputUnit, value, names);
}

std::string numberText(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace fsim

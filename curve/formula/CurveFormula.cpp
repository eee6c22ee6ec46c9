#include "curve/formula/CurveFormula.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <stdexcept>

#include "curve/formula/ExpressionError.h"
#include "curve/formula/NameCharacter.h"
#include "curve/formula/explainExpressionError.h"
#include "curve/formula/readNamedDefinitions.h"
#include "curve/text/shortestText.h"

namespace vintrel::curve {

namespace {

constexpr int kCoordinateCount = 3;

// The curve's own variable t hides a design parameter of that name: muparser cannot bind both,
// and a design with a parameter "t" (a thickness, say) must not block every curve.
constexpr char kVariableName[] = "t";

bool isBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](unsigned char c) { return std::isspace(c) != 0; });
}

// The notification box shows one line per message; a line break pasted into a formula must not
// split one.
std::string onOneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }, ' ');
  return text;
}

// A definition hides the design parameter of its name as t does: muparser cannot bind both, and the
// designer who names a definition means the definition.
ParameterTable constantsBesideTheVariables(ParameterTable parameters,
                                           const std::vector<NamedDefinition>& definitions) {
  parameters.erase(kVariableName);
  for (const NamedDefinition& definition : definitions) parameters.erase(definition.name);
  return parameters;
}

std::vector<NamedDefinition> readOrRefuse(const std::string& text, std::string& refusal) {
  try {
    return readNamedDefinitions(text);
  } catch (const std::runtime_error& error) {
    refusal = onOneLine(error.what());
    return {};
  }
}

// The definitions come first, so that each is evaluated before the expressions that use it. Blank
// formulas get no parser (muparser would call them an error); the rest follow in coordinate order.
std::vector<std::string> expressionsOf(const std::vector<NamedDefinition>& definitions,
                                       const CurveRequest& request, std::vector<int>& coordinates) {
  std::vector<std::string> expressions;
  for (const NamedDefinition& definition : definitions) {
    expressions.push_back(definition.expression);
  }
  const std::array<const std::string*, kCoordinateCount> all = {
      &request.xExpression, &request.yExpression, &request.zExpression};
  for (int c = 0; c < kCoordinateCount; ++c) {
    if (!isBlank(*all[c])) {
      expressions.push_back(*all[c]);
      coordinates.push_back(c);
    }
  }
  return expressions;
}

// A definition that uses its own name or one defined after it meets a name its parser does not
// know, which explainExpressionError would call no parameter of the design.
std::string explainNameUsedTooEarly(const ExpressionError& error, std::size_t definition,
                                    const std::vector<NamedDefinition>& definitions) {
  if (error.code() != ExpressionError::kUnassignableToken) return std::string();
  const std::string name = nameAt(definitions[definition].expression, error.position());
  for (std::size_t later = definition; later < definitions.size(); ++later) {
    if (definitions[later].name != name) continue;
    if (later == definition) {
      return '"' + name + "\" is used in its own definition, where it has no value yet";
    }
    return '"' + name + "\" is defined later, on line " + std::to_string(definitions[later].line) +
           "; define it before it is used";
  }
  return std::string();
}

}  // namespace

CurveFormula::CurveFormula(const CurveRequest& request, const ParameterTable& parameters)
    : definitions_(readOrRefuse(request.definitions, definitionsRefusal_)),
      expressions_(expressionsOf(definitions_, request, coordinates_)),
      system_(request.coordinates),
      constants_(constantsBesideTheVariables(parameters, definitions_)),
      evaluator_(expressions_, constants_),
      variable_(evaluator_.addVariable(kVariableName)) {
  for (std::size_t d = 0; d < definitions_.size(); ++d) {
    evaluator_.nameExpression(d, definitions_[d].name);
  }
}

SamplePoint CurveFormula::pointAt(double t) {
  single_.clear();
  oneT_.assign(1, t);
  appendPointsAt(oneT_, single_);
  return single_.front();
}

std::string CurveFormula::explain(const ExpressionError& error) const {
  const std::size_t index = static_cast<std::size_t>(error.expressionIndex());
  const std::size_t before = std::min(index, definitions_.size());
  // The names the failed expression may use, for explainExpressionError's guess at a misspelt
  // one (values do not matter there).
  ParameterTable known = constants_;
  for (std::size_t d = 0; d < before; ++d) known.emplace(definitions_[d].name, 0.0);
  const std::string explained = explainExpressionError(error, expressions_[index], known);
  if (index >= definitions_.size()) {
    return formulaLabels(system_)[coordinates_[index - definitions_.size()]] + ": " + explained;
  }
  const std::string tooEarly = explainNameUsedTooEarly(error, index, definitions_);
  return definitionsLineLabel(definitions_[index].line) + ": " +
         (tooEarly.empty() ? explained : tooEarly);
}

void CurveFormula::appendPointsAt(const std::vector<double>& t, SamplePoints& points) {
  if (!definitionsRefusal_.empty()) throw std::runtime_error(definitionsRefusal_);
  const std::size_t definitions = definitions_.size();
  const std::size_t expressions = expressions_.size();
  values_.resize(t.size() * expressions);
  try {
    evaluator_.evaluateAt(variable_, t.data(), t.size(), values_.data());
  } catch (const ExpressionError& error) {
    throw std::runtime_error(onOneLine(explain(error)));
  }
  // A definition that is not finite at some t stops the points there, before that t's formulas.
  const std::size_t end = definitions == 0 ? t.size() : firstTWithNonFiniteDefinition(t.size());
  const double* formulaValues = values_.data() + definitions;
  const std::size_t formulas = expressions - definitions;
  points.reserve(points.size() + end);
  for (std::size_t k = 0; k < end; ++k) {
    std::array<double, kCoordinateCount> value{};  // a blank formula's value stays 0
    for (std::size_t p = 0; p < formulas; ++p) {
      value[coordinates_[p]] = formulaValues[k * expressions + p];
    }
    for (int c = 0; c < kCoordinateCount; ++c) {
      if (!std::isfinite(value[c])) {
        throw std::runtime_error(formulaLabels(system_)[c] +
                                 " is not a finite number at t = " + shortestText(t[k]));
      }
    }
    points.push_back(toCartesian(system_, value[0], value[1], value[2]));
  }
  if (end < t.size()) {
    const NamedDefinition& definition = definitions_[firstNonFiniteDefinition(end)];
    throw std::runtime_error(definitionsLineLabel(definition.line) + " (" + definition.name +
                             ") is not a finite number at t = " + shortestText(t[end]));
  }
}

std::size_t CurveFormula::firstTWithNonFiniteDefinition(std::size_t count) const {
  for (std::size_t k = 0; k < count; ++k) {
    if (firstNonFiniteDefinition(k) < definitions_.size()) return k;
  }
  return count;
}

std::size_t CurveFormula::firstNonFiniteDefinition(std::size_t k) const {
  const double* row = values_.data() + k * expressions_.size();
  return static_cast<std::size_t>(
      std::find_if(row, row + definitions_.size(), [](double v) { return !std::isfinite(v); }) -
      row);
}

}  // namespace vintrel::curve

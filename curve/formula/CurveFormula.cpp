#include "curve/formula/CurveFormula.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <stdexcept>

#include "curve/formula/ExpressionError.h"
#include "curve/formula/explainExpressionError.h"
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

ParameterTable constantsBesideTheVariable(ParameterTable parameters) {
  parameters.erase(kVariableName);
  return parameters;
}

// Blank formulas get no parser (muparser would call them an error); the rest are parsed in
// coordinate order.
std::vector<std::string> nonBlank(const CurveRequest& request, std::vector<int>& coordinates) {
  std::vector<std::string> expressions;
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

}  // namespace

CurveFormula::CurveFormula(const CurveRequest& request, const ParameterTable& parameters)
    : expressions_(nonBlank(request, coordinates_)),
      system_(request.coordinates),
      constants_(constantsBesideTheVariable(parameters)),
      evaluator_(expressions_, constants_),
      variable_(evaluator_.addVariable(kVariableName)) {}

SamplePoint CurveFormula::pointAt(double t) {
  single_.clear();
  oneT_.assign(1, t);
  appendPointsAt(oneT_, single_);
  return single_.front();
}

void CurveFormula::appendPointsAt(const std::vector<double>& t, SamplePoints& points) {
  const std::size_t expressions = expressions_.size();
  values_.resize(t.size() * expressions);
  try {
    evaluator_.evaluateAt(variable_, t.data(), t.size(), values_.data());
  } catch (const ExpressionError& error) {
    const int index = error.expressionIndex();
    throw std::runtime_error(
        onOneLine(formulaLabels(system_)[coordinates_[index]] + ": " +
                  explainExpressionError(error, expressions_[index], constants_)));
  }
  points.reserve(points.size() + t.size());
  for (std::size_t k = 0; k < t.size(); ++k) {
    std::array<double, kCoordinateCount> value{};  // a blank formula's value stays 0
    for (std::size_t p = 0; p < expressions; ++p) {
      value[coordinates_[p]] = values_[k * expressions + p];
    }
    for (int c = 0; c < kCoordinateCount; ++c) {
      if (!std::isfinite(value[c])) {
        throw std::runtime_error(formulaLabels(system_)[c] +
                                 " is not a finite number at t = " + shortestText(t[k]));
      }
    }
    points.push_back(toCartesian(system_, value[0], value[1], value[2]));
  }
}

}  // namespace vintrel::curve

#include "curve/sampleCurve.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "curve/ExpressionError.h"
#include "curve/ExpressionEvaluator.h"
#include "curve/shortestText.h"

namespace {

constexpr double kStepFactor = 0.00048828125;  // 1 / 2048
constexpr int kCoordinateCount = 3;
constexpr std::array<const char*, kCoordinateCount> kLabels = {"x(t)", "y(t)", "z(t)"};

bool isBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](unsigned char c) { return std::isspace(c) != 0; });
}

// Blank expressions get no parser (muparser would call them an error); the rest are parsed in
// coordinate order, each remembering the coordinate it gives.
struct ParsedCoordinates {
  std::vector<std::string> expressions;
  std::vector<int> coordinates;
};

ParsedCoordinates splitOffBlankExpressions(
    const std::array<const std::string*, kCoordinateCount>& expressions) {
  ParsedCoordinates parsed;
  for (int c = 0; c < kCoordinateCount; ++c) {
    if (!isBlank(*expressions[c])) {
      parsed.expressions.push_back(*expressions[c]);
      parsed.coordinates.push_back(c);
    }
  }
  return parsed;
}

const std::vector<double>& evaluateNamingTheCoordinate(ExpressionEvaluator& evaluator,
                                                       const ParsedCoordinates& parsed) {
  try {
    return evaluator.evaluate();
  } catch (const ExpressionError& error) {
    const int coordinate = parsed.coordinates[error.expressionIndex()];
    throw std::runtime_error(std::string(kLabels[coordinate]) + ": " + error.what());
  }
}

// The curve's own variable t hides a design parameter of that name: muparser cannot bind both,
// and a design with a parameter "t" (a thickness, say) must not block every curve.
constexpr char kVariableName[] = "t";

const ParameterTable& constantsBesideTheVariable(const ParameterTable& parameters,
                                                 ParameterTable& storage) {
  if (parameters.count(kVariableName) == 0) return parameters;
  storage = parameters;
  storage.erase(kVariableName);
  return storage;
}

// NaN or infinite ends (a value input can hold them) or a span beyond the largest double would
// make every t a NaN and blame the expressions for it.
void checkRange(double tStart, double tEnd, double step) {
  if (!std::isfinite(tStart)) {
    throw std::runtime_error("Starting t Value is not a finite number: " + shortestText(tStart));
  }
  if (!std::isfinite(tEnd)) {
    throw std::runtime_error("Ending t Value is not a finite number: " + shortestText(tEnd));
  }
  if (!std::isfinite(step)) {
    throw std::runtime_error("The t range from " + shortestText(tStart) + " to " +
                             shortestText(tEnd) + " is too wide to sample; choose closer ends.");
  }
}

}  // namespace

SamplePoints sampleCurve(const CurveRequest& request, const ParameterTable& parameters) {
  SamplePoints samples;
  samples.reserve(kSampleCount);

  const ParsedCoordinates parsed =
      splitOffBlankExpressions({&request.xExpression, &request.yExpression, &request.zExpression});
  ParameterTable storage;
  ExpressionEvaluator evaluator(parsed.expressions,
                                constantsBesideTheVariable(parameters, storage));
  const int t = evaluator.addVariable(kVariableName);

  const double tStart = request.tStart;
  const double step = (request.tEnd - tStart) * kStepFactor;
  checkRange(tStart, request.tEnd, step);
  for (int i = 0; i < kSampleCount; ++i) {
    const double tValue = static_cast<double>(i) * step + tStart;
    evaluator.setVariable(t, tValue);
    const std::vector<double>& values = evaluateNamingTheCoordinate(evaluator, parsed);

    std::array<double, kCoordinateCount> point{};  // a blank expression's coordinate stays 0
    for (std::size_t p = 0; p < values.size(); ++p) point[parsed.coordinates[p]] = values[p];
    for (int c = 0; c < kCoordinateCount; ++c) {
      if (!std::isfinite(point[c])) {
        throw std::runtime_error(std::string(kLabels[c]) +
                                 " is not a finite number at t = " + shortestText(tValue));
      }
    }
    samples.push_back({point[0], point[1], point[2]});
  }
  return samples;
}

#include "curve/sampleCurve.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "curve/ExpressionError.h"
#include "curve/ExpressionEvaluator.h"
#include "curve/SplineTolerance.h"
#include "curve/explainExpressionError.h"
#include "curve/refuseJumps.h"
#include "curve/shortestText.h"
#include "curve/significantText.h"

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

// The notification box shows one line per message; a line break pasted into a formula must not
// split one.
std::string onOneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }, ' ');
  return text;
}

const std::vector<double>& evaluateNamingTheCoordinate(ExpressionEvaluator& evaluator,
                                                       const ParsedCoordinates& parsed,
                                                       const ParameterTable& constants) {
  try {
    return evaluator.evaluate();
  } catch (const ExpressionError& error) {
    const int index = error.expressionIndex();
    const int coordinate = parsed.coordinates[index];
    throw std::runtime_error(
        onOneLine(std::string(kLabels[coordinate]) + ": " +
                  explainExpressionError(error, parsed.expressions[index], constants)));
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

// Rounding leaves cos(2 * pi) at -2.4e-16 and the like; shown as 0, such residue reads as meant.
constexpr double kRoundingResidue = 1e-12;

std::string coordinateText(double value) {
  return significantText(std::abs(value) < kRoundingResidue ? 0.0 : value, 7);
}

// A spline needs somewhere to go: a curve that never leaves the tolerance around its first point
// would come out as control points on top of each other, which the host refuses or keeps as junk.
void refuseSinglePoint(const SampledCurve& curve, double tolerance) {
  const SamplePoint& first = curve.samples.front();
  const double limit = tolerance * tolerance;
  const auto near = [&](const SamplePoint& p) {
    const double dx = p.x - first.x;
    const double dy = p.y - first.y;
    const double dz = p.z - first.z;
    return !(dx * dx + dy * dy + dz * dz > limit);
  };
  if (std::all_of(curve.samples.begin(), curve.samples.end(), near) &&
      std::all_of(curve.midpoints.begin(), curve.midpoints.end(), near) &&
      std::all_of(curve.probes.begin(), curve.probes.end(), near)) {
    throw std::runtime_error("The curve is a single point (" + coordinateText(first.x) + ", " +
                             coordinateText(first.y) + ", " + coordinateText(first.z) +
                             "): give x(t), y(t) or z(t) a term in t, or widen the t range");
  }
}

}  // namespace

SampledCurve sampleCurve(const CurveRequest& request, const ParameterTable& parameters) {
  const ParsedCoordinates parsed =
      splitOffBlankExpressions({&request.xExpression, &request.yExpression, &request.zExpression});
  ParameterTable storage;
  const ParameterTable& constants = constantsBesideTheVariable(parameters, storage);
  ExpressionEvaluator evaluator(parsed.expressions, constants);
  const int t = evaluator.addVariable(kVariableName);

  SampledCurve curve;
  curve.tStart = request.tStart;
  curve.tEnd = request.tEnd;
  curve.step = (request.tEnd - request.tStart) * kStepFactor;
  checkRange(curve.tStart, request.tEnd, curve.step);

  const auto pointAt = [&](double tValue) {
    evaluator.setVariable(t, tValue);
    const std::vector<double>& values = evaluateNamingTheCoordinate(evaluator, parsed, constants);
    std::array<double, kCoordinateCount> point{};  // a blank expression's coordinate stays 0
    for (std::size_t p = 0; p < values.size(); ++p) point[parsed.coordinates[p]] = values[p];
    for (int c = 0; c < kCoordinateCount; ++c) {
      if (!std::isfinite(point[c])) {
        throw std::runtime_error(std::string(kLabels[c]) +
                                 " is not a finite number at t = " + shortestText(tValue));
      }
    }
    return SamplePoint{point[0], point[1], point[2]};
  };

  curve.samples.reserve(kSampleCount);
  for (int i = 0; i < kSampleCount; ++i) curve.samples.push_back(pointAt(curve.sampleT(i)));
  curve.midpoints.reserve(kSampleCount - 1);
  for (int k = 0; k + 1 < kSampleCount; ++k) curve.midpoints.push_back(pointAt(curve.midpointT(k)));
  curve.probes.reserve(kProbeCount);
  for (int j = 0; j < kProbeCount; ++j) curve.probes.push_back(pointAt(curve.probeT(j)));
  refuseSinglePoint(curve, kSplineTolerance);
  refuseJumps(curve, kSplineTolerance, pointAt);
  return curve;
}

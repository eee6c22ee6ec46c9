#include "curve/sampling/sampleCurve.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

#include "curve/fit/SplineTolerance.h"
#include "curve/formula/CurveFormula.h"
#include "curve/sampling/refuseJumps.h"
#include "curve/text/shortestText.h"
#include "curve/text/significantText.h"

namespace {

constexpr double kStepFactor = 0.00048828125;  // 1 / 2048

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
  auto formula = std::make_shared<CurveFormula>(request, parameters);
  SampledCurve curve;
  curve.tStart = request.tStart;
  curve.tEnd = request.tEnd;
  curve.step = (request.tEnd - request.tStart) * kStepFactor;
  checkRange(curve.tStart, request.tEnd, curve.step);

  CurveFormula& points = *formula;
  std::vector<double> t(kSampleCount);
  for (int i = 0; i < kSampleCount; ++i) t[i] = curve.sampleT(i);
  points.appendPointsAt(t, curve.samples);
  t.resize(kSampleCount - 1);
  for (int k = 0; k + 1 < kSampleCount; ++k) t[k] = curve.midpointT(k);
  points.appendPointsAt(t, curve.midpoints);
  t.resize(kProbeCount);
  for (int j = 0; j < kProbeCount; ++j) t[j] = curve.probeT(j);
  points.appendPointsAt(t, curve.probes);
  refuseSinglePoint(curve, kSplineTolerance);
  refuseJumps(curve, kSplineTolerance, [&points](double t) { return points.pointAt(t); });
  curve.formula = std::move(formula);
  return curve;
}

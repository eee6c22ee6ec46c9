#include "curve/sampling/sampleCurve.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "curve/formula/CurveFormula.h"
#include "curve/sampling/checkTolerance.h"
#include "curve/sampling/refuseJumps.h"
#include "curve/text/shortestText.h"
#include "curve/text/significantText.h"

namespace vintrel::curve {

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

// Rounding makes a formula that means one point move by a few units in the last digits.
constexpr double kRelativeRounding = 1e-12;

bool allPoints(const SampledCurve& curve, const std::function<bool(const SamplePoint&)>& test) {
  return std::all_of(curve.samples.begin(), curve.samples.end(), test) &&
         std::all_of(curve.midpoints.begin(), curve.midpoints.end(), test) &&
         std::all_of(curve.probes.begin(), curve.probes.end(), test);
}

// Whether every point lies within `distance` of the first sample.
bool staysWithin(const SampledCurve& curve, double distance) {
  const SamplePoint& first = curve.samples.front();
  const double limit = distance * distance;
  return allPoints(curve, [&](const SamplePoint& p) {
    const double dx = p.x - first.x;
    const double dy = p.y - first.y;
    const double dz = p.z - first.z;
    return !(dx * dx + dy * dy + dz * dz > limit);
  });
}

std::string pointText(const SamplePoint& p) {
  return "(" + coordinateText(p.x) + ", " + coordinateText(p.y) + ", " + coordinateText(p.z) + ")";
}

// A spline needs somewhere to go: a curve that never leaves the tolerance around its first point
// would come out as control points on top of each other, which the host refuses or keeps as junk.
// The message says which of three things keeps it there: an empty t range, formulas that give one
// point, or a curve too small for the tolerance.
void refuseSinglePoint(const SampledCurve& curve, const CurveRequest& request) {
  const double tolerance = request.tolerance;
  if (!staysWithin(curve, tolerance)) return;
  const SamplePoint& first = curve.samples.front();
  if (curve.tStart == curve.tEnd) {
    throw std::runtime_error("The t range is empty: Starting t Value and Ending t Value are both " +
                             shortestText(curve.tStart) + "; give them different values");
  }
  const double largest = std::max({1.0, std::abs(first.x), std::abs(first.y), std::abs(first.z)});
  if (staysWithin(curve, kRelativeRounding * largest)) {
    const FormulaLabels& labels = formulaLabels(request.coordinates);
    throw std::runtime_error("The curve is a single point " + pointText(first) + ": give " +
                             labels[0] + ", " + labels[1] + " or " + labels[2] +
                             " a term in t, or widen the t range");
  }
  throw std::runtime_error("The curve stays within " + shortestText(tolerance) + " " +
                           request.unit.name + " of one point " + pointText(first) +
                           ", too small for a spline to follow: make it larger or widen the t "
                           "range");
}

}  // namespace

// The checks run in the order of their messages' causes: the ends and the tolerance before any
// formula is evaluated (the messages "Starting t Value is not a finite number: <tStart>",
// "Ending t Value ...", "The t range from <tStart> to <tEnd> is too wide to sample; choose closer
// ends."); then the formulas at the samples, the midpoints and the probes, in that order, so that
// a definition or formula that fails or is not finite is named at the first t where it is
// (CurveFormula's messages); then the single point, where every point lies within the tolerance
// of the first sample: "The t range is empty: ..." for equal ends, "The curve is a single point
// (x, y, z): give x(t), y(t) or z(t) a term in t, or widen the t range" when the points lie
// within rounding of it, else "The curve stays within <tolerance> <unit> of one point (x, y, z),
// too small for a spline to follow: make it larger or widen the t range" (the first sample to 7
// significant digits, rounding residue as 0); last the jumps, which sample further near a
// suspect step.
SampledCurve sampleCurve(const CurveRequest& request, const ParameterTable& parameters) {
  auto formula = std::make_shared<CurveFormula>(request, parameters);
  SampledCurve curve;
  curve.tStart = request.tStart;
  curve.tEnd = request.tEnd;
  curve.step = (request.tEnd - request.tStart) * kStepFactor;
  checkRange(curve.tStart, request.tEnd, curve.step);
  checkTolerance(request.tolerance, request.unit);

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
  refuseSinglePoint(curve, request);
  refuseJumps(
      curve, request.tolerance, [&points](double t) { return points.pointAt(t); },
      request.coordinates);
  curve.pointsAt = [formula](const std::vector<double>& t, SamplePoints& more) {
    formula->appendPointsAt(t, more);
  };
  return curve;
}

}  // namespace vintrel::curve

#include "tests/fuzz/fuzzFitFromTexts.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "curve/definition/CurveDefinition.h"
#include "curve/fit/fitSplineToSamples.h"
#include "curve/fit/isClosedCurve.h"
#include "curve/formula/ParameterTable.h"
#include "curve/formula/SplineTolerance.h"
#include "curve/measure/distanceToFormula.h"
#include "curve/measure/largestDeviation.h"
#include "curve/sampling/SampledCurve.h"
#include "curve/sampling/sampleCurve.h"
#include "curve/status/FitStatus.h"
#include "numerics/BSplineCurveFit.h"
#include "numerics/BandedCurveFit.h"
#include "numerics/CubicSpans.h"
#include "numerics/PeriodicCurveFit.h"
#include "tests/fuzz/DialogStatus.h"
#include "tests/fuzz/FuzzInvariant.h"
#include "tests/fuzz/fuzzInputLines.h"
#include "tests/support/SplineEnds.h"

using vintrel::curve::anyPointFartherThan;
using vintrel::curve::CurveDefinition;
using vintrel::curve::CurveDefinitionError;
using vintrel::curve::DistanceToFormula;
using vintrel::curve::FitStatus;
using vintrel::curve::fitStatus;
using vintrel::curve::flatCoordinates;
using vintrel::curve::isClosedCurve;
using vintrel::curve::kMostControls;
using vintrel::curve::kProbeCount;
using vintrel::curve::kSampleCount;
using vintrel::curve::kSplineTolerance;
using vintrel::curve::kStatusSearchSteps;
using vintrel::curve::largestDeviation;
using vintrel::curve::largestDistanceToFormula;
using vintrel::curve::namedParameters;
using vintrel::curve::ParameterTable;
using vintrel::curve::readCurveDefinition;
using vintrel::curve::sampleCurve;
using vintrel::curve::SampledCurve;
using vintrel::curve::SamplePoint;
using vintrel::curve::SamplePoints;
using vintrel::curve::SplineFit;
using vintrel::curve::statusText;
using vintrel::curve::writeCurveDefinition;

namespace {

constexpr double kPi = 3.141592653589793;
// largestDeviation is exact to about 1e-12 of the curve's size; the fit's own check, which
// accepted the fit, used a different (upper-bound) distance.
constexpr double kRelativeSlack = 1e-9;

struct FitRequest {
  std::string x, y, z;
  double tStart = 0.0;
  double tEnd = 1.0;
  ParameterTable parameters{{"pi", kPi}};
};

FitRequest decode(const std::vector<std::string>& lines) {
  FitRequest request;
  if (lines.size() > 0) request.x = lines[0];
  if (lines.size() > 1) request.y = lines[1];
  if (lines.size() > 2) request.z = lines[2];
  if (lines.size() > 3) request.tStart = leadingNumber(lines[3], 0.0);
  if (lines.size() > 4) request.tEnd = leadingNumber(lines[4], 1.0);
  for (std::size_t i = 5; i < lines.size(); ++i) {
    const std::size_t equals = lines[i].find('=');
    if (equals == std::string::npos) continue;
    request.parameters[lines[i].substr(0, equals)] = leadingNumber(lines[i].substr(equals + 1), 0);
  }
  return request;
}

bool allFinite(const std::vector<double>& values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

bool isFinite(const SamplePoint& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// Squares overflow to infinity, which still compares as beyond.
bool beyondTolerance(const SamplePoint& a, const SamplePoint& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double dz = b.z - a.z;
  return dx * dx + dy * dy + dz * dz > kSplineTolerance * kSplineTolerance;
}

void checkSamples(const SampledCurve& sampled) {
  const SamplePoints& samples = sampled.samples;
  requireThat(samples.size() == static_cast<std::size_t>(kSampleCount),
              "sampling returned " + std::to_string(samples.size()) + " points, not 2049");
  requireThat(
      sampled.midpoints.size() == samples.size() - 1,
      "sampling returned " + std::to_string(sampled.midpoints.size()) + " midpoints, not 2048");
  requireThat(sampled.probes.size() == static_cast<std::size_t>(kProbeCount),
              "sampling returned " + std::to_string(sampled.probes.size()) + " probes, not 256");
  bool leavesTheFirstPoint = false;
  for (const SamplePoints* points : {&samples, &sampled.midpoints, &sampled.probes}) {
    for (const SamplePoint& p : *points) {
      requireThat(isFinite(p), "sampling returned a point that is not finite without an error");
      leavesTheFirstPoint = leavesTheFirstPoint || beyondTolerance(samples.front(), p);
    }
  }
  requireThat(leavesTheFirstPoint, "sampling returned a single point without an error");
}

void checkClampedKnots(const std::vector<double>& knots, int controlCount) {
  requireThat(knots.size() == static_cast<std::size_t>(controlCount) + 4,
              "knot vector of " + std::to_string(knots.size()) + " for " +
                  std::to_string(controlCount) + " controls");
  for (std::size_t i = 0; i < knots.size(); ++i) {
    requireThat(i < 4 ? knots[i] == 0.0
                      : (i >= knots.size() - 4 ? knots[i] == 1.0 : knots[i - 1] <= knots[i]),
                "knot " + std::to_string(i) + " out of the clamped order");
  }
}

void checkEnds(const std::vector<double>& controls, const SamplePoints& samples) {
  const SamplePoint& first = samples.front();
  const SamplePoint& last = samples.back();
  const std::size_t n = controls.size();
  requireThat(controls[0] == first.x && controls[1] == first.y && controls[2] == first.z,
              "first control point is not the first sample");
  requireThat(controls[n - 3] == last.x && controls[n - 2] == last.y && controls[n - 1] == last.z,
              "last control point is not the last sample");
}

// A closed curve's spline starts and ends at one control point and leaves its end as it entered
// its start: first and second derivatives equal up to the rounding of the control points'
// differences, which the derivatives multiply by (3n)^order.
void checkSeam(const num::BSplineCurve<double>& curve) {
  const std::vector<double>& controls = curve.ControlCoordinates();
  const std::size_t n = controls.size();
  requireThat(controls[0] == controls[n - 3] && controls[1] == controls[n - 2] &&
                  controls[2] == controls[n - 1],
              "a closed curve's spline does not end at its first control point");
  double largest = 0.0;
  for (double c : controls) largest = std::max(largest, std::abs(c));
  const double spanFactor = 3.0 * static_cast<double>(curve.ControlPointCount());
  for (int order : {1, 2}) {
    const auto [start, end] = curve_testing::endDerivatives(curve, order);
    const double allowed = 1e-12 * largest * std::pow(spanFactor, order);
    for (int j = 0; j < 3; ++j) {
      requireThat(std::abs(start[j] - end[j]) <= allowed,
                  "a closed curve's spline has a seam: derivative " + std::to_string(order) +
                      " is " + std::to_string(start[j]) + " at the start, " +
                      std::to_string(end[j]) + " at the end");
    }
  }
}

double curveSize(const SamplePoints& samples) {
  double largest = 0.0;
  for (const SamplePoint& p : samples) {
    largest = std::max({largest, std::abs(p.x), std::abs(p.y), std::abs(p.z)});
  }
  return largest;
}

// The midpoints and probes only judge the fit: its controls are those of the samples alone (up to
// 128 controls the 2049 samples, past that the finer samples that judged it; for a closed curve
// all but the last, which is the first again).
void checkFittedToTheSamplesAlone(const SplineFit& fit, const SampledCurve& sampled,
                                  int fittedCount) {
  const SamplePoints& samples = fit.finerPoints ? fit.finerPoints->samples : sampled.samples;
  std::vector<double> expected;
  if (fit.closed) {
    expected = num::PeriodicCurveFit<double>(3, static_cast<int>(samples.size()) - 1,
                                             flatCoordinates(samples), fittedCount)
                   .ClampedCurve()
                   .ControlCoordinates();
  } else if (fit.finerPoints) {
    expected = num::BandedCurveFit<double>(3, static_cast<int>(samples.size()),
                                           flatCoordinates(samples), fittedCount)
                   .ControlCoordinates();
  } else {
    expected = num::BSplineCurveFit<double>(3, static_cast<int>(samples.size()),
                                            flatCoordinates(samples), 3, fittedCount)
                   .ControlCoordinates();
  }
  requireThat(expected == fit.curve->ControlCoordinates(),
              "the midpoints moved the fit's control points");
}

// The largest distance of a judged point (samples and midpoints in the order of t) from the
// chord of its two neighbours: how far the broken line through them may cut a bend.
double largestBowOfTheBrokenLine(const SampledCurve& judged) {
  std::vector<SamplePoint> points;
  for (std::size_t k = 0; k < judged.samples.size(); ++k) {
    points.push_back(judged.samples[k]);
    if (k < judged.midpoints.size()) points.push_back(judged.midpoints[k]);
  }
  double largest = 0.0;
  for (std::size_t i = 1; i + 1 < points.size(); ++i) {
    const SamplePoint& a = points[i - 1];
    const SamplePoint& b = points[i + 1];
    const SamplePoint& p = points[i];
    const double ab[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
    const double ap[3] = {p.x - a.x, p.y - a.y, p.z - a.z};
    const double length = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
    const double s =
        length > 0 ? std::clamp((ap[0] * ab[0] + ap[1] * ab[1] + ap[2] * ab[2]) / length, 0.0, 1.0)
                   : 0.0;
    largest =
        std::max(largest, std::hypot(ap[0] - s * ab[0], ap[1] - s * ab[1], ap[2] - s * ab[2]));
  }
  return largest;
}

// What the dialog would say, checked against the fit it describes.
void checkFit(const SplineFit& fit, const SampledCurve& sampled) {
  const SamplePoints& samples = sampled.samples;
  requireThat(fit.curve != nullptr, "no fit returned");
  const int count = fit.curve->ControlPointCount();
  const std::vector<double>& controls = fit.curve->ControlCoordinates();
  requireThat(controls.size() == 3 * static_cast<std::size_t>(count), "control array size");
  requireThat(allFinite(controls), "a control point of the fit is not finite");
  checkClampedKnots(fit.curve->Basis().KnotVector(), count);
  requireThat(fit.closed == isClosedCurve(samples, kSplineTolerance),
              "the fit is closed where the samples are not, or the other way round");
  // A closed curve's host spline has 3 controls more than its periodic fit.
  const int fittedCount = fit.closed ? count - 3 : count;
  if (fit.closed) {
    checkSeam(*fit.curve);
  } else {
    checkEnds(controls, samples);
  }
  requireThat(fit.toleranceMet || fittedCount == kMostControls,
              "a fit below the cap of controls missed the tolerance");
  requireThat((fittedCount > 128) == (fit.finerPoints != nullptr),
              "a fit of " + std::to_string(count) + " controls judged on the wrong points");
  if (fit.finerPoints) {
    requireThat(fit.finerPoints->samples.size() == 16 * static_cast<std::size_t>(fittedCount) + 1,
                "a fit of " + std::to_string(count) + " controls judged on " +
                    std::to_string(fit.finerPoints->samples.size()) + " samples");
  }
  checkFittedToTheSamplesAlone(fit, sampled, fittedCount);

  // Over the samples, the midpoints and the probes: an accepted fit lies within the tolerance
  // between the samples too. (A fit that missed is measured by its status below.)
  const FitStatus status = fitStatus(fit, sampled, kSplineTolerance);
  if (fit.toleranceMet) {
    const SampledCurve& judged = fit.finerPoints ? *fit.finerPoints : sampled;
    const double slack = kRelativeSlack * std::max(curveSize(samples), 1.0);
    if (anyPointFartherThan(*fit.curve, judged, kSplineTolerance + slack)) {
      // The exact figure only for the message: it can take far longer than the question.
      reportViolation("the fit claims the tolerance but misses it by " +
                      std::to_string(largestDeviation(*fit.curve, judged)));
    }
    // The other direction: the spline's points at the judged points' parameters, searched over
    // the whole of the formula's curve as sampled, whose broken line may stand off the formula by
    // as much as a point stands off the chord of its neighbours.
    const DistanceToFormula away = largestDistanceToFormula(
        num::CubicSpans<double>::FromClamped(*fit.curve), judged, 0.0, kStatusSearchSteps);
    requireThat(!(away.found > kSplineTolerance + slack + largestBowOfTheBrokenLine(judged)),
                "the fit claims the tolerance but its spline strays " + std::to_string(away.found) +
                    " from the formula");
  }

  const std::string text = statusText(status, kSplineTolerance, "cm");
  const DialogStatus read = classifyStatus(text);
  requireThat(read.kind == DialogStatus::Kind::Fit && read.controlCount == count &&
                  read.closed == fit.closed,
              "status text \"" + text + "\" does not report the fit");
}

// The stored definition of the same curve reads back as written (texts byte for byte where they
// are UTF-8, numbers bit for bit), and the raw input, read as a stored definition, is either
// read or refused with a reason.
void checkDefinition(const FitRequest& request, const std::uint8_t* data, std::size_t size) {
  try {
    readCurveDefinition(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const CurveDefinitionError& error) {
    requireThat(*error.what() != '\0', "a definition refused without a reason");
  }
  const CurveDefinition written{
      {request.tStart, request.tEnd, request.x, request.y, request.z},
      namedParameters({0, 0, request.x, request.y, request.z}, request.parameters)};
  bool finite = std::isfinite(request.tStart) && std::isfinite(request.tEnd);
  for (const auto& [name, value] : written.parameters) finite = finite && std::isfinite(value);
  std::string text;
  try {
    text = writeCurveDefinition(written);
  } catch (const CurveDefinitionError&) {
    // JSON has no number for them; the inputs are a few kilobytes, far from the 2 MB limit.
    requireThat(!finite, "a finite definition could not be written");
    return;
  }
  const CurveDefinition read = readCurveDefinition(text);
  requireThat(std::memcmp(&read.request.tStart, &written.request.tStart, sizeof(double)) == 0 &&
                  std::memcmp(&read.request.tEnd, &written.request.tEnd, sizeof(double)) == 0,
              "the t range did not read back bit for bit");
  requireThat(read.parameters.size() == written.parameters.size(),
              "the named parameters did not read back");
}

}  // namespace

void fuzzFitFromTexts(const std::uint8_t* data, std::size_t size) {
  const FitRequest request = decode(fuzzInputLines(data, size));
  checkDefinition(request, data, size);
  SampledCurve sampled;
  try {
    sampled = sampleCurve({request.tStart, request.tEnd, request.x, request.y, request.z},
                          request.parameters);
  } catch (const std::runtime_error& error) {
    const DialogStatus::Kind kind = classifyStatus(error.what()).kind;
    requireThat(kind == DialogStatus::Kind::ExpressionError ||
                    kind == DialogStatus::Kind::NotFinite || kind == DialogStatus::Kind::BadRange ||
                    kind == DialogStatus::Kind::Jump || kind == DialogStatus::Kind::SinglePoint,
                std::string("sampling failed with an unclear message: \"") + error.what() + '"');
    return;
  }
  checkSamples(sampled);
  SplineFit fit;
  try {
    fit = fitSplineToSamples(sampled, kSplineTolerance);
  } catch (const std::runtime_error& error) {
    requireThat(classifyStatus(error.what()).kind == DialogStatus::Kind::TooLarge,
                std::string("the fit failed with an unclear message: \"") + error.what() + '"');
    return;
  }
  checkFit(fit, sampled);
}

#include "curve/status/FitStatus.h"

#include <algorithm>
#include <locale>
#include <sstream>
#include <string>

#include "curve/fit/fitSplineToSamples.h"
#include "curve/measure/distanceToFormula.h"
#include "curve/measure/largestDeviation.h"
#include "curve/sampling/SampledCurve.h"
#include "numerics/CubicSpans.h"

namespace vintrel::curve {

namespace {

constexpr int kDeviationDigits = 3;
constexpr int kMostDigits = 17;  // enough for any double to read back as itself

std::string withDigits(double value, int digits) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text.precision(digits);
  text << std::showpoint << value;
  return text.str();
}

double readBack(const std::string& text) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  double value = 0.0;
  in >> value;
  return value;
}

// Three significant digits, or as many more as it takes for the text to read above the
// tolerance: a deviation of 0.0020004 must not read "0.00200", which would be no miss at all.
std::string deviationText(double deviation, double tolerance) {
  int digits = kDeviationDigits;
  std::string text = withDigits(deviation, digits);
  while (digits < kMostDigits && !(readBack(text) > tolerance)) {
    text = withDigits(deviation, ++digits);
  }
  return text;
}

}  // namespace

FitStatus fitStatus(const SplineFit& fit, const SampledCurve& sampled, double tolerance) {
  FitStatus status;
  status.controlCount = fit.curve->ControlPointCount();
  status.closed = fit.closed;
  status.fewest = fit.goal == FitGoal::Fewest;
  if (fit.toleranceMet) return status;
  // The fit's own check uses a search that can overstate a distance; the accurate measure may
  // find the curve within the tolerance after all, and then there is no miss to report.
  const SampledCurve& judged = fit.finerPoints ? *fit.finerPoints : sampled;
  const DeviationBounds forward = boundLargestDeviation(*fit.curve, judged, kStatusSearchSteps);
  const DistanceToFormula backward =
      largestDistanceToFormula(num::CubicSpans<double>::FromClamped(*fit.curve), judged,
                               forward.atLeast, kStatusFormulaSearchSteps);
  const double atLeast = std::max(forward.atLeast, backward.found);
  const double atMost = std::max(forward.atMost, backward.atMost);
  if (!(atMost > tolerance)) return status;
  status.largestDeviation = atLeast;
  if (atMost > atLeast) status.deviationUpTo = atMost;
  return status;
}

std::string statusText(const FitStatus& status, double tolerance, const std::string& unit) {
  std::ostringstream text;
  // The host may run under a locale with a decimal comma; the status keeps the point.
  text.imbue(std::locale::classic());
  text << status.controlCount << " spline controls";
  if (status.closed) text << ", closed";
  if (status.fewest) text << ", fewest";
  if (!status.largestDeviation) return text.str();
  const double deviation = *status.largestDeviation;
  const bool surelyMissed = deviation > tolerance;
  const std::string lower =
      surelyMissed ? deviationText(deviation, tolerance) : withDigits(deviation, kDeviationDigits);
  text << " (tolerance " << tolerance << " " << unit << " " << (surelyMissed ? "" : "perhaps ")
       << "not met: largest deviation " << lower;
  if (status.deviationUpTo) {
    // Bounds that agree to the digits shown are the figure.
    const std::string upper = deviationText(*status.deviationUpTo, tolerance);
    if (upper != lower) text << " to " << upper;
  }
  text << " " << unit << ")";
  return text.str();
}

}  // namespace vintrel::curve

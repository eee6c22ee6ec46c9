// What the dialog's notification box says about a fit: the number of spline controls, and, when
// even the largest fit missed the tolerance, by how much. The preview and the fuzzers build a
// FitStatus from the adaptive fit and show its text; neither step needs a host.
#pragma once

#include <optional>
#include <string>

namespace vintrel::curve {

struct SampledCurve;
struct SplineFit;

/// The outcome of one preview fit.
struct FitStatus {
  int controlCount = 0;  ///< control points of the drawn curve; 0 when nothing was fitted
  /// Set only when the tolerance was not met, or may not have been: the largest distance of a
  /// sample, midpoint or probe from the curve, which then exceeds the tolerance; with
  /// deviationUpTo set, the largest distance measured before the measure was cut short.
  std::optional<double> largestDeviation;
  bool closed = false;  ///< the curve closes smoothly and its spline has no seam
  /// Set when the measure was cut short: the largest deviation lies between largestDeviation and
  /// this, which exceeds the tolerance.
  std::optional<double> deviationUpTo;
  bool fewest = false;  ///< the fit looked for the fewest controls (FitGoal::Fewest)
};

/// The status of `fit`, made from `sampled` with `tolerance`: its control count, whether it is
/// closed, and, when the fit did not meet the tolerance and the measure confirms the miss, the
/// largest deviation both ways: the larger of the accurately measured distance of the samples,
/// midpoints and probes that judged the fit (those of fit.finerPoints when set, else
/// `sampled`'s) from the spline (largestDeviation) and the distance of the spline's points at
/// their parameters from the formula (largestDistanceToFormula). The measures cost far more than
/// the fit's own checks, so they run only then, and they are cut short (boundLargestDeviation,
/// kStatusSearchSteps, kStatusFormulaSearchSteps) where the curve runs over itself so many times
/// that the exact figure would keep the dialog waiting; the status then gives bounds.
FitStatus fitStatus(const SplineFit& fit, const SampledCurve& sampled, double tolerance);

/// The steps the status's measure may take in its search of the whole curve: some hundred times
/// what a curve that does not run over itself many times needs.
constexpr long kStatusSearchSteps = 500000;

/// The steps the status's measure of the other direction, from the spline's points to the
/// formula's, may take in its search of the formula's whole curve.
constexpr long kStatusFormulaSearchSteps = 100000;

/// "<controlCount> spline controls" (always plural), "<controlCount> spline controls, closed" for
/// a closed curve, then ", fewest" when the fit looked for the fewest controls, followed, with a
/// largest deviation D, by " (tolerance <tolerance> <unit> not met: largest deviation <D> <unit>)"
/// with the tolerance in its shortest form and D to three significant digits (0.00512,
/// 0.0150, 1.23e+03), or more where three would not read above the tolerance (0.0020004). A measure
/// cut short gives both bounds, " (tolerance <tolerance> cm not met: largest deviation <D> to <U>
/// <unit>)" (one figure where the two read alike), and says "perhaps not met" where D does not
/// exceed the tolerance (D then to three significant digits as it comes). `unit` is the name of the
/// unit the tolerance and the deviations are in (the formulas'). Independent of the process's
/// locale.
std::string statusText(const FitStatus& status, double tolerance, const std::string& unit);

}  // namespace vintrel::curve

// How far the points of a fitted spline lie from the curve of its formulas: the tolerance's other
// direction, from the spline to the formula. A spline that rings past a steep step keeps every
// formula point near some part of itself, yet leaves the formula's curve. The adaptive fit judges
// that direction near each point's own parameter (FormulaNearby); the status measures it over the
// whole formula (largestDistanceToFormula).
#pragma once

#include <vector>

#include "curve/sampling/SampledCurve.h"
#include "numerics/CubicSpans.h"

namespace vintrel::curve {

/// The formula curve of a sampled curve, as a function of the spline's parameter u (t = tStart +
/// u · (tEnd - tStart)), and the search for its point nearest to a spline point.
class FormulaNearby {
 public:
  /// The curve of `judged`'s formulas when it has them, else the broken line through its samples
  /// and midpoints; searched within `reach` of a parameter, wrapping round when `closed`, else
  /// within [0, 1]. Keeps a reference to `judged`, which must outlive it.
  FormulaNearby(const SampledCurve& judged, double reach, bool closed);

  /// The formula's point at u; a point at infinity where a formula has no finite value.
  SamplePoint pointAt(double u) const;

  /// The smallest distance from `point` to the broken line through the samples and midpoints
  /// within the reach of `u`: the formula's curve as sampling resolves it, which follows a
  /// formula that races through part of its range, as a search of the formula cannot.
  double alongSamples(const SamplePoint& point, double u) const;

  /// The smallest distance from `point` to the formula's own points found for parameters within
  /// the reach of `u`: a scan, then a golden section, some tens of formula evaluations.
  double searched(const SamplePoint& point, double u) const;

  /// alongSamples, or, when that exceeds `enough`, the smaller of it and searched: an upper bound
  /// of the point's distance from the formula's curve as sampled, exact where the nearest formula
  /// point lies near its own parameter.
  double distance(const SamplePoint& point, double u, double enough) const;

 private:
  const SampledCurve& judged_;
  // Scratch of pointAt: one value of t and its point.
  mutable std::vector<double> oneT_;
  mutable SamplePoints onePoint_;
  double reach_;
  bool closed_;
};

/// Where the spline's distance from the formula lies, over the judged points' parameters.
struct DistanceToFormula {
  double found = 0.0;   ///< the largest distance measured from a spline point to the formula
  double atMost = 0.0;  ///< no spline point there lies farther; above `found` when cut short
};

/// The largest distance from the spline's points at the own parameters of `judged`'s samples and
/// midpoints (SampledCurve::sampleU, midpointU) to its formula curve as sampled (the broken line
/// through the samples and midpoints, the whole of it), accurate as largestDeviation, the other
/// direction's measure, is. Points whose distance from their own formula point cannot raise the
/// figure above `settled` (that direction's figure, below which this one changes nothing) or the
/// largest found are passed over. The search of the line is limited to `searchSteps` steps
/// (NearestPointSearch::LimitSteps); when they run out, `atMost` bounds the figure from above.
/// {0, 0} when there are no samples; `found` may stay below `settled`.
DistanceToFormula largestDistanceToFormula(const num::CubicSpans<double>& spline,
                                           const SampledCurve& judged, double settled,
                                           long searchSteps);

}  // namespace vintrel::curve

// How far a fitted spline truly lies from the points of its sampled curve: the distance of each
// point from the whole curve, wherever on the curve its nearest point lies. The status of a fit
// that missed the tolerance reports it; the adaptive fit asks the cheaper yes-or-no question of
// it to pass over attempts that are sure to miss.
#pragma once

#include "curve/formula/SamplePoints.h"
#include "curve/sampling/SampledCurve.h"
#include "numerics/BSplineCurve.h"

namespace vintrel::curve {

/// The largest, over `samples`, of the distance from the sample to the nearest point of `curve`
/// (a cubic fit, 3 coordinates), accurate to about 1e-12 times the size of the curve (at least
/// 1e-12). Closed curves, cusps and turns lying close together are handled: every part of the
/// curve that could be nearer is examined. Returns 0 for no samples; samples that are not finite
/// are passed over. Curves too large to square a distance of (1e150 and beyond) are measured as
/// accurately. Throws std::invalid_argument unless `curve` is a cubic fit of 3 coordinates with its
/// full knot vector. Where hundreds of the curve's turns lie over each other, every point has as
/// many near places to tell apart: boundLargestDeviation bounds the cost there.
double largestDeviation(const num::BSplineCurve<double>& curve, const SamplePoints& samples);

/// The same measure over the samples, the midpoints and the probes of `sampled` together: the
/// largest distance of any of them from `curve`. Returns 0 when there are no samples.
double largestDeviation(const num::BSplineCurve<double>& curve, const SampledCurve& sampled);

/// Where a measure cut short leaves the largest deviation: no less than `atLeast`, the largest
/// distance it measured exactly, and no more than `atMost`. The two are equal when the measure
/// was not cut short.
struct DeviationBounds {
  double atLeast = 0.0;
  double atMost = 0.0;
};

/// largestDeviation(curve, sampled) with its search of the whole curve limited to `searchSteps`
/// steps (a run of pieces or a part of a piece opened): while they last the result is exact
/// (atLeast == atMost); once they run out, every point left is bounded by the nearest curve
/// point found for it near its own part of the curve, or by the search so far, so that on a
/// curve that runs over itself hundreds of times the measure still ends. Returns {0, 0} when there
/// are no samples; throws as largestDeviation.
DeviationBounds boundLargestDeviation(const num::BSplineCurve<double>& curve,
                                      const SampledCurve& sampled, long searchSteps);

/// Whether some sample, midpoint or probe of `sampled` lies farther than `distance` from the
/// whole of `curve`, by more than the measure's accuracy; false when there are no samples. As
/// anyProbeFartherThan: each point is settled by its own curve point, or the nearest point of its
/// own piece and their neighbours, where that lies within `distance`, else by a search that stops
/// at the first curve point within it, so that a fit that meets `distance` is confirmed far
/// faster than largestDeviation measures it.
bool anyPointFartherThan(const num::BSplineCurve<double>& curve, const SampledCurve& sampled,
                         double distance);

/// Whether some probe of `sampled` lies farther than `distance` from the whole of `curve`, by more
/// than the measure's accuracy (so its true distance surely exceeds `distance`); false for no
/// probes. A probe whose own curve point (at probeFraction(j)), or the nearest point of its own
/// piece and their neighbours, lies within `distance` is settled by it, the others by a search
/// that stops at the first curve point within `distance`: far cheaper than largestDeviation. Probes
/// that are not finite are passed over. Throws as largestDeviation does.
bool anyProbeFartherThan(const num::BSplineCurve<double>& curve, const SampledCurve& sampled,
                         double distance);

}  // namespace vintrel::curve

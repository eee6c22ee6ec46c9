// Measures how far a fitted spline truly misses its samples: the exact distance of every sample
// from the whole curve, wherever on the curve its nearest point lies. The add-in runs it only
// when no fit met the tolerance, to tell the user the real largest deviation.
#pragma once

#include "curve/SamplePoints.h"
#include "curve/SampledCurve.h"
#include "numerics/BSplineCurve.h"

/// The largest, over `samples`, of the distance from the sample to the nearest point of `curve`
/// (a cubic fit, 3 coordinates), accurate to about 1e-12 times the size of the curve (at least
/// 1e-12). Closed curves, cusps and turns lying close together are handled: every part of the
/// curve that could be nearer is examined. Returns 0 for no samples; samples that are not finite
/// are passed over. Curves too large to square a distance of (1e150 and beyond) are measured as
/// accurately. Throws std::invalid_argument unless `curve` is a cubic fit of 3 coordinates with its
/// full knot vector. Costs a few milliseconds for 2049 samples and 128 control points, and for
/// 131073 points and 4096 control points some tens (a few hundred on a curve that runs round
/// itself many times).
double largestDeviation(const num::BSplineCurve<double>& curve, const SamplePoints& samples);

/// The same measure over the samples, the midpoints and the probes of `sampled` together: the
/// largest distance of any of them from `curve`. Returns 0 when there are no samples.
double largestDeviation(const num::BSplineCurve<double>& curve, const SampledCurve& sampled);

/// Whether some probe of `sampled` lies farther than `distance` from the whole of `curve`, by more
/// than the measure's accuracy (so its true distance surely exceeds `distance`); false for no
/// probes. A probe whose own curve point (at probeFraction(j)) lies within `distance` is settled
/// by it, the others by a search that stops at the first curve point within `distance`: far
/// cheaper than largestDeviation. Probes that are not finite are passed over. Throws as
/// largestDeviation does.
bool anyProbeFartherThan(const num::BSplineCurve<double>& curve, const SampledCurve& sampled,
                         double distance);

// The adaptive spline fit: cubic B-splines with 4, 8, ..., 128 control points are fitted to the
// samples until every sample, every midpoint between two samples and every probe lies within the
// tolerance of the curve. The add-in turns the accepted fit into the host's NURBS curve and reports
// its control count.
#pragma once

#include <memory>

#include "curve/SampledCurve.h"
#include "curve/SplineTolerance.h"
#include "numerics/BSplineCurveFit.h"

/// The outcome of the adaptive fit.
struct SplineFit {
  /// The accepted fit: cubic, 3 coordinates, 4 ... 128 control points; its parameter runs over
  /// [0, 1] and its end control points are the first and the last sample.
  std::shared_ptr<num::BSplineCurveFit<double>> curve;
  /// False when even 128 control points left a sample, midpoint or probe beyond the tolerance;
  /// `curve` is then that 128-control fit (largestDeviation tells by how much it misses).
  bool toleranceMet;
};

/// Fits cubic B-splines with 4, 8, 16, 32, 64, 128 control points to `curve.samples` (used as
/// parameters k / (count - 1)) and returns the first whose every sample, midpoint and probe lies
/// within `tolerance` (a distance equal to it passes), or the 128-control fit with toleranceMet
/// false. The midpoints and probes decide only the acceptance: the fit, and its control points,
/// are those of the samples alone. A point's distance is the smaller of its distance to its own
/// curve point (C(k / (count - 1)) for sample k, C((k + 0.5) / (count - 1)) for midpoint k,
/// C(probeFraction(j)) for probe j) and the closest-point search's distance; the search, which can
/// land on the wrong arc of closed curves and close turns, runs only for a point whose own curve
/// point is beyond the tolerance.
/// The fit refers to `curve.samples`, which must outlive it.
/// Throws std::invalid_argument when there are no samples or the midpoints are not one fewer than
/// the samples, and std::runtime_error "The curve is too large to fit: a coordinate reaches
/// <value>; keep coordinates within 1e300." when a sample coordinate's magnitude is beyond 1e300
/// (or not a number), where the fit's sums could overflow.
SplineFit fitSplineToSamples(const SampledCurve& curve, double tolerance);

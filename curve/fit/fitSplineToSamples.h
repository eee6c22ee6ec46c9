// The adaptive spline fit: cubic B-splines with 4, 8, ..., 128 control points are fitted to the
// samples, and past that 256 ... 4096 to ever finer samples of the formulas, until every sample,
// every midpoint between two samples and every probe lies within the tolerance of the curve; a
// curve that closes smoothly gets periodic splines, without a seam. The add-in turns the accepted
// fit into the host's NURBS curve and reports its control count.
#pragma once

#include <memory>

#include "curve/sampling/SampledCurve.h"
#include "numerics/BSplineCurve.h"

namespace vintrel::curve {

/// The most control points the adaptive fit gives a curve (a closed curve's spline has 3 more,
/// which close it). The host's behaviour with thousands of them is unknown; this is the one place
/// that bounds them.
constexpr int kMostControls = 4096;

/// How the adaptive fit chooses its count of controls.
enum class FitGoal {
  /// The specified counts, 4, 8, ... 128, then on as below: a curve met within them keeps the
  /// count and the very control points it has always had.
  Ladder,
  /// The fewest controls the fit can find that meet the tolerance, from 4 up.
  Fewest,
};

/// The outcome of the adaptive fit.
struct SplineFit {
  /// The accepted fit: cubic, 3 coordinates, 4 ... kMostControls control points (7 ... 3 more
  /// for a closed curve), clamped uniform knots; its parameter runs over [0, 1]. Its end control
  /// points are the first and the last sample, or, for a closed curve, both the periodic curve's
  /// point at 0.
  std::shared_ptr<num::BSplineCurve<double>> curve;
  /// Whether the curve closes smoothly (isClosedCurve on the samples) and `curve` is the clamped
  /// form of a periodic fit (num::PeriodicCurveFit::ClampedCurve): its ends meet with equal first
  /// and second derivatives.
  bool closed = false;
  /// False when even kMostControls control points (128 for a curve without formulas) left a
  /// sample, midpoint or probe beyond the tolerance; `curve` is then that last fit
  /// (largestDeviation tells by how much it misses).
  bool toleranceMet = false;
  /// The points that judged `curve` when they are finer than the sampled curve's own (fits of
  /// more than 128 controls); null when the sampled curve's own points did.
  std::shared_ptr<const SampledCurve> finerPoints;
  /// The goal the fit was made for.
  FitGoal goal = FitGoal::Ladder;
};

/// Fits cubic B-splines with 4, 8, 16, 32, 64, 128 control points to `curve.samples` (used as
/// parameters k / (count - 1), with num::BSplineCurveFit) and returns the first whose every
/// sample, midpoint and probe lies within `tolerance` (a distance equal to it passes). The
/// midpoints and probes decide only the acceptance: the fit, and its control points, are those of
/// the samples alone. A point's distance is the smaller of its distance to its own curve point
/// (C(k / (count - 1)) for sample k, C((k + 0.5) / (count - 1)) for midpoint k,
/// C(probeFraction(j)) for probe j) and the closest-point search's distance; the search, which can
/// land on the wrong arc of closed curves and close turns, runs only for a point whose own curve
/// point is beyond the tolerance.
/// When 128 miss, the ladder goes on with 256, 512, ... kMostControls controls, each fitted with
/// num::BandedCurveFit to the 16 · count + 1 samples of refineSampling (the previous attempt's
/// samples and midpoints) and judged by spansMeetTolerance on those samples, their new midpoints
/// and the probes; the last is kept, with toleranceMet false, when none meets the tolerance. A
/// curve without formulas stops at 128.
/// A curve whose samples close smoothly (isClosedCurve) goes through the same ladder with
/// num::PeriodicCurveFit instead, n controls fitted to the M = 2048 (16 · n past 128) samples once
/// round, and judged by spansMeetTolerance on the periodic curve, over the samples (the last at
/// u = 1, which is u = 0 again), their midpoints and the probes.
/// The fit reads `curve.samples` only while it is made.
/// Throws std::invalid_argument when there are no samples or the midpoints are not one fewer than
/// the samples, std::runtime_error "The curve is too large to fit: a coordinate reaches
/// <value>; keep coordinates within 1e300." when a sample coordinate's magnitude is beyond 1e300
/// (or not a number), where the fit's sums could overflow, and what refineSampling throws for a
/// finer sample (a value that is not finite).
/// With FitGoal::Fewest the count is searched for the fewest controls that meet the tolerance.
SplineFit fitSplineToSamples(const SampledCurve& curve, double tolerance,
                             FitGoal goal = FitGoal::Ladder);

}  // namespace vintrel::curve

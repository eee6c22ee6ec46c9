// The tolerance's second direction for the adaptive fit: every point of the spline, not only
// every point of the formula, must lie within the tolerance of the other curve. A least-squares
// spline rings past a steep step while each formula point still finds some part of it nearby;
// this check refuses such a fit, so the ladder goes on.
#pragma once

#include "curve/sampling/SampledCurve.h"
#include "numerics/CubicSpans.h"

namespace vintrel::curve {

/// Whether every point of `spline` (the fit, its parameter u running over [0, 1], periodic when
/// `closed`) lies within `tolerance` of the formula curve of `judged`, the points that judged the
/// fit. The spline is judged at the own parameter of every sample and midpoint: its distance from
/// its own formula point there, or, when that is beyond the tolerance, FormulaNearby's distance
/// within one span; a point beyond the tolerance both ways fails the fit. Between two such
/// parameters the spline stays within CubicSpans::LargestBend's bound of the chord between its
/// points at them; where the larger of the two distances and that bound exceed the tolerance,
/// the interval is halved, the formula evaluated at its middle, until the bound fits or a point
/// fails. A distance that is not a number fails nothing.
bool splineStaysNearFormula(const num::CubicSpans<double>& spline, const SampledCurve& judged,
                            double tolerance, bool closed);

}  // namespace vintrel::curve

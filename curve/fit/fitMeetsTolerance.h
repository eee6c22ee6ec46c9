// Whether a fit follows its sampled curve within the tolerance, judged at every point the
// sampling knows: the probes, the samples and the midpoints, each at its own curve parameter.
// The adaptive fit asks it of every attempt, the block-solved ones and the rest alike.
#pragma once

#include "curve/sampling/SampledCurve.h"
#include "numerics/BSplineCurve.h"
#include "numerics/CubicSpans.h"

namespace vintrel::curve {

/// Whether every probe, sample and midpoint of `sampled` lies within `tolerance` of `curve`, a
/// fit of up to 128 controls by the block solve (a distance equal to the tolerance passes, one
/// that is not a number too). A point's distance is that to its own curve point (the point's
/// SampledCurve::sampleU, midpointU or probeU) or, when that is beyond the tolerance,
/// ClosestPointFinder's distance, which can land on the wrong arc of closed curves and close
/// turns. The probes, spread over the whole curve, go first, then the rest in the order of t;
/// the first point beyond the tolerance ends the check. Evaluates `curve`, whose scratch table
/// it overwrites.
bool blockFitMeetsTolerance(num::BSplineCurve<double>& curve, const SampledCurve& sampled,
                            double tolerance);

/// The same check of a long or closed fit turned into one polynomial per span: a point whose own
/// curve point is beyond the tolerance gets CubicSpans::SquaredDistanceNear's distance instead.
bool spansMeetTolerance(const num::CubicSpans<double>& curve, const SampledCurve& sampled,
                        double tolerance);

}  // namespace vintrel::curve

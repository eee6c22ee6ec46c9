// Tests a long or closed fit, turned into one polynomial per span, against every point of its
// sampled curve: tens of thousands of points per attempt, most of them settled by their own curve
// point, the rest by a search near it. The adaptive fit calls it for each attempt past 128
// controls and for every closed fit.
#pragma once

#include "curve/sampling/SampledCurve.h"
#include "numerics/CubicSpans.h"

/// Whether every probe, sample and midpoint of `sampled` lies within `tolerance` of `curve` (a
/// distance equal to it passes, one that is not a number too). A point's distance is that to its
/// own curve point (u = k / (n - 1) for sample k of n, u = (k + 0.5) / (n - 1) for midpoint k,
/// u = probeFraction(j) for probe j) or, when that is beyond the tolerance, the distance
/// CubicSpans::SquaredDistanceNear finds within one span of it. The probes, spread over the whole
/// curve, are checked first, then the rest in the order of t; the first point beyond the
/// tolerance ends the check.
bool spansMeetTolerance(const num::CubicSpans<double>& curve, const SampledCurve& sampled,
                        double tolerance);

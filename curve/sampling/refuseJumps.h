// Finds where a sampled curve jumps, which no spline can follow: a step in a conditional, an angle
// that wraps, a pole between two samples. Sampling calls it once every sample and midpoint is
// known, and fails with its message instead of handing a bridged gap to the fit.
#pragma once

#include <functional>

#include "curve/formula/Coordinates.h"
#include "curve/formula/SamplePoint.h"
#include "curve/sampling/SampledCurve.h"

namespace vintrel::curve {

/// The curve's point at a value of t, as sampling evaluates it; throws, as sampling does, when a
/// coordinate there is not finite.
using CurvePointAt = std::function<SamplePoint(double t)>;

/// Looks for a jump between each two neighbouring points of `curve` (samples and midpoints in the
/// order of t): an interval whose ends stay farther apart than `tolerance` however close together
/// the values of t are taken, down to neighbouring doubles, where they lie more than twice the
/// tolerance apart in space (a narrower gap a spline bridges within the tolerance of both
/// sides, so it is no jump). Only intervals that stand out are
/// examined, by bisection with `pointAt`: longer than the tolerance and more than twice as long as
/// the shorter of their neighbours. A fast but continuous curve (a long coil, a steep logistic
/// step) therefore costs next to nothing and is no jump. Throws std::runtime_error
/// "x(t) jumps near t = <t> (from <a> to <b>): a spline cannot follow a jump; split the range
/// there" for the first jump in t, naming the coordinate that changes most (x before y before z
/// on a tie), with t, a and b to 7 significant digits or as many more as it takes for a and b to
/// differ; and lets out what `pointAt` throws (a pole met exactly). A curve whose formulas are in
/// other `coordinates` than Cartesian names the Cartesian coordinate its formulas do not show as
/// "The curve's x" (y, z).
void refuseJumps(const SampledCurve& curve, double tolerance, const CurvePointAt& pointAt,
                 Coordinates coordinates = Coordinates::Cartesian);

}  // namespace vintrel::curve

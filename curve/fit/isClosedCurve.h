// Decides from its samples whether a curve closes smoothly: its end meets its start, and the
// curve runs on through the seam as it runs anywhere near it. The adaptive fit asks before
// fitting, and gives a closed curve a periodic spline without a seam.
#pragma once

#include "curve/formula/SamplePoints.h"

namespace vintrel::curve {

/// With P the samples (at least 7), d0 = P1 - P0, e = P(last) - P(last - 1), the gap
/// g = |P(last) - P0|, θ the angle between e and d0, and θ_loc the largest turning angle between
/// consecutive chords among the first three and the last three: whether the end samples are
/// finite, |d0| and |e| exceed 1e-12 of the curve's extent (the diagonal of the box around the
/// finite samples), g <= min(0.5 · tolerance, 0.25 · min(|d0|, |e|)) and θ <= max(1°, 2 θ_loc).
/// A gap large beside the chords (a coil's last turn, a spiral) or a corner at the seam (a
/// cardioid's cusp, a teardrop's point) leaves the curve open. False for fewer than 7 samples.
bool isClosedCurve(const SamplePoints& samples, double tolerance);

}  // namespace vintrel::curve

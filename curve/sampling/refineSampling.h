// Samples a curve twice as densely as before, keeping every point already computed: the adaptive
// fit calls it for each attempt past 128 controls, whose samples are the points that checked the
// attempt before.
#pragma once

#include "curve/sampling/SampledCurve.h"

namespace vintrel::curve {

/// The curve of `curve` with 2n - 1 samples for n: `curve`'s samples and midpoints in the order
/// of t (sample 2k + 1 is midpoint k, bit for bit), step halved, and as midpoints the formula's
/// points at t = (k + 0.5) * step + tStart with the new step, k = 0 ... 2n - 3; tStart, tEnd,
/// the probes and the formula stay. Throws std::invalid_argument for a curve without a formula
/// or without one midpoint between each two samples, and what the curve's pointsAt throws (a
/// value that is not finite) for a new midpoint.
SampledCurve refineSampling(const SampledCurve& curve);

}  // namespace vintrel::curve

// The weights of the ladder's block-solved fits, kept for the life of the library: they depend on
// the count of controls and of samples alone, so every preview after the first combines them
// with its samples instead of solving the same normal equations again.
#pragma once

#include <memory>

#include "numerics/BSplineFitWeights.h"

namespace vintrel::curve {

/// The weights of the cubic fit of `controlCount` controls (clamped uniform knots) to
/// `sampleCount` samples at evenly spaced parameters, made at the first call for the pair and
/// shared afterwards. Safe to call from several threads. Requires sampleCount >= 1 and
/// controlCount >= 4.
std::shared_ptr<const num::BSplineFitWeights<double>> ladderFitWeights(int sampleCount,
                                                                       int controlCount);

}  // namespace vintrel::curve

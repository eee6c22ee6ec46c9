// The ordered list of points that sampling produces and the spline fit consumes. The points lie
// contiguously, so the list doubles as the flat coordinate array the numerical library expects.
#pragma once

#include <vector>

#include "curve/formula/SamplePoint.h"

namespace vintrel::curve {

/// Points in sampling order, stored contiguously.
using SamplePoints = std::vector<SamplePoint>;

/// The coordinates of `samples` as one flat array of 3 * samples.size() doubles,
/// x0 y0 z0 x1 y1 z1 ...; valid while `samples` is neither changed in size nor destroyed.
inline const double* flatCoordinates(const SamplePoints& samples) {
  return reinterpret_cast<const double*>(samples.data());
}

}  // namespace vintrel::curve

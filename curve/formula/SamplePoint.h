// One point of a sampled curve. Sampling produces them and the spline fit reads them, through
// SamplePoints, as one flat array of coordinates, and measures how far its curve passes from them.
#pragma once

#include <cstddef>
#include <type_traits>

namespace vintrel::curve {

/// A curve point: three coordinates in the model's units, nothing else (24 bytes).
struct SamplePoint {
  double x;
  double y;
  double z;
};

// The fitter reads a list of points as x0 y0 z0 x1 y1 z1 ..., so no padding may creep in.
static_assert(sizeof(SamplePoint) == 3 * sizeof(double), "SamplePoint must be 24 bytes");
static_assert(std::is_standard_layout_v<SamplePoint>, "SamplePoint must be standard layout");
static_assert(offsetof(SamplePoint, y) == sizeof(double) && offsetof(SamplePoint, z) == 16,
              "SamplePoint coordinates must be contiguous");

/// The squared distance between `sample` and the point x, y, z at `point`, summed in that order.
inline double squaredDistance(const double* point, const SamplePoint& sample) {
  const double dx = point[0] - sample.x;
  const double dy = point[1] - sample.y;
  const double dz = point[2] - sample.z;
  return dx * dx + dy * dy + dz * dz;
}

}  // namespace vintrel::curve

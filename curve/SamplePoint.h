// One point of a sampled curve. Sampling produces them and the spline fit reads them, through
// SamplePoints, as one flat array of coordinates.
#pragma once

#include <cstddef>
#include <type_traits>

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

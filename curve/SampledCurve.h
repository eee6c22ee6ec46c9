// The curve as sampling delivers it: the points the spline is fitted to and, between each two of
// them, the point halfway in t, which only checks the fit. Sampling fills one; the adaptive fit,
// its status and the fuzzers read it.
#pragma once

#include <cstddef>

#include "curve/SamplePoints.h"

/// Samples at t = k * step + tStart, k = 0 ... n - 1, and midpoints at
/// t = (k + 0.5) * step + tStart, k = 0 ... n - 2: midpoint k lies between samples k and k + 1.
/// The fit reads `samples` alone, as its flat array; a curve parameter u = k / (n - 1) belongs to
/// sample k and u = (k + 0.5) / (n - 1) to midpoint k. Holds n - 1 midpoints for n samples (none
/// for none or one) when it comes from sampleCurve.
struct SampledCurve {
  SamplePoints samples;
  SamplePoints midpoints;
  double tStart = 0.0;
  double step = 0.0;  ///< (tEnd - tStart) / 2048, negative for a downward range

  /// The t of sample k, exactly as sampling computed it.
  double sampleT(std::size_t k) const { return static_cast<double>(k) * step + tStart; }
  /// The t of midpoint k, exactly as sampling computed it.
  double midpointT(std::size_t k) const { return (static_cast<double>(k) + 0.5) * step + tStart; }
};

// The curve as sampling delivers it: the points the spline is fitted to, between each two of them
// the point halfway in t, and a few probe points scattered over the range, which only check the
// fit. Sampling fills one; the adaptive fit, its status and the fuzzers read it.
#pragma once

#include <cmath>
#include <cstddef>
#include <functional>
#include <vector>

#include "curve/formula/SamplePoints.h"

namespace vintrel::curve {

/// Appends the curve's Cartesian points at t[0], t[1], ... to `points`, in that order, as its
/// formulas give them (CurveFormula::appendPointsAt); throws std::runtime_error for a value that is
/// not finite.
using PointsAt = std::function<void(const std::vector<double>& t, SamplePoints& points)>;

/// Number of probe points sampling takes besides its samples and midpoints.
constexpr int kProbeCount = 256;

/// Where probe j lies in the t range, as a fraction of it: frac(0.5 + 0.6180339887498949 · j).
/// The golden ratio's steps never line up with a period of the curve, so a formula that repeats
/// exactly between samples still shows its shape at some of them.
inline double probeFraction(std::size_t j) {
  const double f = 0.5 + 0.6180339887498949 * static_cast<double>(j);
  return f - std::floor(f);
}

/// Samples at t = k * step + tStart, k = 0 ... n - 1, midpoints at
/// t = (k + 0.5) * step + tStart, k = 0 ... n - 2 (midpoint k lies between samples k and k + 1),
/// and probes at t = tStart + probeFraction(j) * (tEnd - tStart). The fit reads `samples` alone,
/// as its flat array; each point has its own curve parameter u (sampleU, midpointU, probeU),
/// the fit's parameter that corresponds to its t. Holds n - 1
/// midpoints for n samples (none for none or one) and kProbeCount probes when it comes from
/// sampleCurve or refineSampling; a curve put together otherwise may have no probes.
struct SampledCurve {
  SamplePoints samples;
  SamplePoints midpoints;
  SamplePoints probes;
  double tStart = 0.0;
  double tEnd = 0.0;
  double step = 0.0;  ///< (tEnd - tStart) / (n - 1), negative for a downward range
  /// The formulas the points come from, as one narrow function shared by every copy and every
  /// finer sampling of the curve, for sampling it more finely and judging a fit between its
  /// points; empty for a curve put together otherwise.
  PointsAt pointsAt;

  /// The t of sample k, exactly as sampling computed it.
  double sampleT(std::size_t k) const { return static_cast<double>(k) * step + tStart; }
  /// The t of midpoint k, exactly as sampling computed it.
  double midpointT(std::size_t k) const { return (static_cast<double>(k) + 0.5) * step + tStart; }
  /// The t of probe j, exactly as sampling computed it.
  double probeT(std::size_t j) const { return tStart + probeFraction(j) * (tEnd - tStart); }

  /// The curve parameter in [0, 1] of sample k: k / (n - 1) (0 for a single sample).
  double sampleU(std::size_t k) const { return uOf(static_cast<double>(k), samples.size()); }
  /// The curve parameter of midpoint k, halfway between those of samples k and k + 1.
  double midpointU(std::size_t k) const {
    return uOf(static_cast<double>(k) + 0.5, samples.size());
  }
  /// The curve parameter of probe j: probeFraction(j).
  static double probeU(std::size_t j) { return probeFraction(j); }

  /// The parameter of position `index` (in sample steps) among `count` samples: index / (count -
  /// 1), computed as index times the step 1 / (count - 1), as the fits place their samples.
  static double uOf(double index, std::size_t count) {
    const double parameterStep = count > 1 ? 1.0 / static_cast<double>(count - 1) : 0.0;
    return index * parameterStep;
  }
};

}  // namespace vintrel::curve

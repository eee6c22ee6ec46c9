#include "curve/sampling/refuseJumps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <stdexcept>
#include <string>

#include "curve/text/significantText.h"

namespace vintrel::curve {

namespace {

// An interval stands out when it is longer than this many times the shorter of its neighbours.
// A pole between two points makes its interval at least three times its shorter neighbour;
// a smooth curve keeps neighbouring intervals within a few percent of each other.
constexpr double kStandsOut = 2.0;
constexpr double kSqrt3 = 1.7320508075688772;
constexpr int kFirstDigits = 7;
constexpr int kMostDigits = 17;
constexpr std::array<const char*, 3> kCartesianLabels = {"x(t)", "y(t)", "z(t)"};
// The formulas of other coordinates give no x(t): the jump is the curve's.
constexpr std::array<const char*, 3> kCurveLabels = {"The curve's x", "The curve's y",
                                                     "The curve's z"};

struct CurvePoint {
  double t;
  SamplePoint point;
};

// The largest coordinate difference: cheap, cannot overflow before the coordinates do, and within
// a factor of sqrt(3) of the distance.
double chebyshevDistance(const SamplePoint& a, const SamplePoint& b) {
  return std::max({std::abs(b.x - a.x), std::abs(b.y - a.y), std::abs(b.z - a.z)});
}

// Infinite when a difference overflows, which hypot would turn into NaN by scaling with it.
double distance(const SamplePoint& a, const SamplePoint& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double dz = b.z - a.z;
  if (std::isinf(dx) || std::isinf(dy) || std::isinf(dz)) {
    return std::numeric_limits<double>::infinity();
  }
  return std::hypot(dx, dy, dz);
}

// Point j of the samples and midpoints taken together in the order of t.
CurvePoint pointOf(const SampledCurve& curve, std::size_t j) {
  const std::size_t k = j / 2;
  return j % 2 == 0 ? CurvePoint{curve.sampleT(k), curve.samples[k]}
                    : CurvePoint{curve.midpointT(k), curve.midpoints[k]};
}

[[noreturn]] void reportJump(const CurvePoint& before, const CurvePoint& after,
                             Coordinates coordinates) {
  const std::array<double, 3> from = {before.point.x, before.point.y, before.point.z};
  const std::array<double, 3> to = {after.point.x, after.point.y, after.point.z};
  std::size_t coordinate = 0;
  for (std::size_t c = 1; c < 3; ++c) {
    if (std::abs(to[c] - from[c]) > std::abs(to[coordinate] - from[coordinate])) coordinate = c;
  }
  int digits = kFirstDigits;
  while (digits < kMostDigits &&
         significantText(from[coordinate], digits) == significantText(to[coordinate], digits)) {
    ++digits;
  }
  const auto& labels = coordinates == Coordinates::Cartesian ? kCartesianLabels : kCurveLabels;
  throw std::runtime_error(std::string(labels[coordinate]) +
                           " jumps near t = " + significantText(before.t, kFirstDigits) +
                           " (from " + significantText(from[coordinate], digits) + " to " +
                           significantText(to[coordinate], digits) +
                           "): a spline cannot follow a jump; split the range there");
}

// A spline through the middle of a gap this many tolerances wide lies within the tolerance of
// both sides: such a gap (rounding between neighbouring values of t, say) is no jump.
constexpr double kBridgeableGap = 2.0;

// Halves the interval, keeping the half whose ends lie farther apart, until both halves are
// within the tolerance (no jump here) or the ends are neighbouring doubles: a jump when the gap
// between them is wider than a spline can bridge.
void bisect(CurvePoint a, CurvePoint b, double tolerance, const CurvePointAt& pointAt,
            Coordinates coordinates) {
  if (!(distance(a.point, b.point) > tolerance)) return;
  for (;;) {
    const double t = a.t + (b.t - a.t) * 0.5;
    if (t == a.t || t == b.t) {
      if (distance(a.point, b.point) > kBridgeableGap * tolerance) reportJump(a, b, coordinates);
      return;
    }
    const CurvePoint middle{t, pointAt(t)};
    const double left = distance(a.point, middle.point);
    const double right = distance(middle.point, b.point);
    if (!(std::max(left, right) > tolerance)) return;
    if (left >= right) {
      b = middle;
    } else {
      a = middle;
    }
  }
}

}  // namespace

void refuseJumps(const SampledCurve& curve, double tolerance, const CurvePointAt& pointAt,
                 Coordinates coordinates) {
  if (curve.samples.empty()) return;
  if (curve.midpoints.size() + 1 != curve.samples.size()) {
    throw std::invalid_argument("a sampled curve needs one midpoint between each two samples");
  }
  const std::size_t intervals = 2 * curve.midpoints.size();
  // Interval i runs from sample i / 2 to the midpoint after it (i even) or from that midpoint to
  // the next sample (i odd).
  const auto length = [&](std::size_t i) {
    const std::size_t k = i / 2;
    return i % 2 == 0 ? chebyshevDistance(curve.samples[k], curve.midpoints[k])
                      : chebyshevDistance(curve.midpoints[k], curve.samples[k + 1]);
  };
  double previous = 0.0;
  double current = intervals > 0 ? length(0) : 0.0;
  for (std::size_t i = 0; i < intervals; ++i) {
    const bool hasPrevious = i > 0;
    const bool hasNext = i + 1 < intervals;
    const double next = hasNext ? length(i + 1) : 0.0;
    const double shorterNeighbour = hasPrevious && hasNext ? std::min(previous, next)
                                    : hasPrevious          ? previous
                                                           : next;
    if (current * kSqrt3 > tolerance && current > kStandsOut * shorterNeighbour) {
      bisect(pointOf(curve, i), pointOf(curve, i + 1), tolerance, pointAt, coordinates);
    }
    previous = current;
    current = next;
  }
}

}  // namespace vintrel::curve

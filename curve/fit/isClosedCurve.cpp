#include "curve/fit/isClosedCurve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "numerics/Point3.h"

namespace vintrel::curve {

namespace {

constexpr double kRelativeChord = 1e-12;
constexpr double kGapOfTolerance = 0.5;
constexpr double kGapOfChord = 0.25;
constexpr double kLeastSeamAngle = 3.141592653589793 / 180;  // 1°, in radians
constexpr double kSeamAngleOfLocalTurning = 2.0;

SamplePoint chord(const SamplePoint& from, const SamplePoint& to) {
  return {to.x - from.x, to.y - from.y, to.z - from.z};
}

double length(const SamplePoint& v) { return std::hypot(v.x, v.y, v.z); }

// In [0, π], accurate for small angles too (the cross product's length, not the cosine).
double angleBetween(const SamplePoint& a, const SamplePoint& b) {
  const SamplePoint cross{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  return std::atan2(length(cross), a.x * b.x + a.y * b.y + a.z * b.z);
}

bool isFinite(const SamplePoint& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// The largest turning between consecutive chords of P[first] ... P[first + 3].
double localTurning(const SamplePoints& samples, std::size_t first) {
  const SamplePoint a = chord(samples[first], samples[first + 1]);
  const SamplePoint b = chord(samples[first + 1], samples[first + 2]);
  const SamplePoint c = chord(samples[first + 2], samples[first + 3]);
  return std::max(angleBetween(a, b), angleBetween(b, c));
}

}  // namespace

bool isClosedCurve(const SamplePoints& samples, double tolerance) {
  const std::size_t count = samples.size();
  if (count < 7) return false;
  const SamplePoint& first = samples.front();
  const SamplePoint& last = samples.back();
  if (!isFinite(first) || !isFinite(last)) return false;
  const SamplePoint d0 = chord(first, samples[1]);
  const SamplePoint e = chord(samples[count - 2], last);
  const double shortest = kRelativeChord * num::BoxDiagonal(flatCoordinates(samples), count);
  if (!(length(d0) > shortest) || !(length(e) > shortest)) return false;
  const double gap = length(chord(first, last));
  if (!(gap <=
        std::min(kGapOfTolerance * tolerance, kGapOfChord * std::min(length(d0), length(e))))) {
    return false;
  }
  const double turning = std::max(localTurning(samples, 0), localTurning(samples, count - 4));
  return angleBetween(e, d0) <= std::max(kLeastSeamAngle, kSeamAngleOfLocalTurning * turning);
}

}  // namespace vintrel::curve

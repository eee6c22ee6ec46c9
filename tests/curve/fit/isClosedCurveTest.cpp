#include "curve/fit/isClosedCurve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/SampledCurves.h"

using vintrel::curve::isClosedCurve;
using vintrel::curve::sampleCurve;
using vintrel::curve::SamplePoint;
using vintrel::curve::SamplePoints;

namespace {

struct Curve {
  std::string name, x, y, z;
  double tStart, tEnd;
};

SamplePoints samplesOf(const Curve& c) {
  return sampleCurve({c.tStart, c.tEnd, c.x, c.y, c.z}, curve_testing::kPi).samples;
}

// Closed: ends that meet and a seam that turns no more than the curve does nearby. The torus
// knot turns 1.08° there and the toroidal coil 17.5°, a fixed limit of 1° would open both; the
// circle over 0 ... 6.2832 misses its start by 7e-6, well within the tolerance and its chords.
TEST(isClosedCurve, RecognisesCurvesThatCloseSmoothly) {
  const std::vector<Curve> closed = {
      {"circle", "cos(2 * pi * t)", "sin(2 * pi * t)", "0", 0.0, 1.0},
      {"ellipse", "3 * cos(t)", "1.5 * sin(t)", "0", 0.0, 2 * M_PI},
      {"torus knot", "(2 + cos(7 * t)) * cos(3 * t)", "(2 + cos(7 * t)) * sin(3 * t)", "sin(7 * t)",
       0.0, 2 * M_PI},
      {"toroidal coil", "(3 + cos(100 * t)) * cos(t)", "(3 + cos(100 * t)) * sin(t)",
       "sin(100 * t)", 0.0, 2 * M_PI},
      {"circle to 6.2832", "cos(t)", "sin(t)", "0", 0.0, 6.2832},
      {"cardioid round its far side", "(1 - cos(t)) * cos(t)", "(1 - cos(t)) * sin(t)", "0", -M_PI,
       M_PI},
  };
  for (const Curve& c : closed) EXPECT_TRUE(isClosedCurve(samplesOf(c), 0.002)) << c.name;
}

// Open: a corner at the seam (the cardioid's cusp, 179.6°; the teardrop's point, 90°), a gap
// beyond half the tolerance (the circle to 1.0002 misses by 0.0013), and a gap small beside the
// tolerance but not beside the chords (a helix turn of radius 0.01 rising 0.0005, its chords
// 3e-5 long), and the ordinary open curves.
TEST(isClosedCurve, LeavesCornersGapsAndOpenCurvesOpen) {
  const std::vector<Curve> open = {
      {"cardioid round its cusp", "(1 - cos(t)) * cos(t)", "(1 - cos(t)) * sin(t)", "0", 0.0,
       2 * M_PI},
      {"teardrop", "cos(t)", "sin(t) * sin(t / 2)", "0", 0.0, 2 * M_PI},
      {"circle to 1.0002", "cos(2 * pi * t)", "sin(2 * pi * t)", "0", 0.0, 1.0002},
      {"tiny helix turn", "0.01 * cos(2 * pi * t)", "0.01 * sin(2 * pi * t)", "0.0005 * t", 0.0,
       1.0},
      {"helix", "cos(2 * pi * t)", "sin(2 * pi * t)", "t", 0.0, 3.0},
      {"segment", "t", "0", "0", 0.0, 1.0},
      {"there and back", "sin(pi * t)", "0", "0", 0.0, 1.0},
  };
  for (const Curve& c : open) EXPECT_FALSE(isClosedCurve(samplesOf(c), 0.002)) << c.name;
}

// The last sample moved on along its chord, so that only the gap grows.
SamplePoints overshot(SamplePoints samples, double by) {
  SamplePoint& last = samples.back();
  const SamplePoint& before = samples[samples.size() - 2];
  const double dx = last.x - before.x, dy = last.y - before.y, dz = last.z - before.z;
  const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
  last = {last.x + by * dx / length, last.y + by * dy / length, last.z + by * dz / length};
  return samples;
}

// The gap's two limits: half the tolerance (for a circle of radius 10, whose chords are
// 2π · 10 / 2048 = 0.0307 long), and a quarter of the shorter end chord (the unit circle's first
// chord, 0.00307, with a tolerance large enough not to matter). Too few samples, ends that are not
// finite and a standstill at the start (no direction to go on in) are open.
TEST(isClosedCurve, KeepsToTheLimitsOfTheGap) {
  const SamplePoints large =
      samplesOf({"large circle", "10 * cos(2 * pi * t)", "10 * sin(2 * pi * t)", "0", 0.0, 1.0});
  EXPECT_TRUE(isClosedCurve(overshot(large, 0.00099), 0.002));
  EXPECT_FALSE(isClosedCurve(overshot(large, 0.00101), 0.002));
  const SamplePoints circle =
      samplesOf({"circle", "cos(2 * pi * t)", "sin(2 * pi * t)", "0", 0.0, 1.0});
  EXPECT_TRUE(isClosedCurve(overshot(circle, 0.00076), 0.01));
  EXPECT_FALSE(isClosedCurve(overshot(circle, 0.00078), 0.01));

  EXPECT_FALSE(isClosedCurve(SamplePoints(circle.begin(), circle.begin() + 6), 0.002));
  SamplePoints notFinite = circle;
  notFinite.back().x = std::nan("");
  EXPECT_FALSE(isClosedCurve(notFinite, 0.002));
  SamplePoints standstill = circle;
  standstill[1] = standstill[0];
  EXPECT_FALSE(isClosedCurve(standstill, 0.002));
}

// The end's chord must have a length: a circle whose last two samples are moved onto the first
// ends in a standstill there and stays open. A corner within the last three chords counts as the
// curve's own turning: the samples below turn by 168° at (-1, 0.3, 0), so the seam's 17° is no
// corner (the rule's window P(last - 3) ... P(last), not a shorter one).
TEST(isClosedCurve, JudgesTheEndsByTheirChordsAndTheTurningNearThem) {
  SamplePoints circle = samplesOf({"circle", "cos(2 * pi * t)", "sin(2 * pi * t)", "0", 0.0, 1.0});
  circle[circle.size() - 2] = circle.front();
  circle.back() = circle.front();
  EXPECT_FALSE(isClosedCurve(circle, 0.002));
  const SamplePoints cornerNearTheEnd = {{0, 0, 0},    {1, 0, 0},         {2, 0, 0},
                                         {3, 0, 0},    {5.0 / 3, 0.1, 0}, {1.0 / 3, 0.2, 0},
                                         {-1, 0.3, 0}, {0, 0, 0}};
  EXPECT_TRUE(isClosedCurve(cornerNearTheEnd, 0.002));
}

}  // namespace

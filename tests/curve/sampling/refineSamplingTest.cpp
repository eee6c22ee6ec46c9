#include "curve/sampling/refineSampling.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/support/SampledCurves.h"

using vintrel::curve::refineSampling;
using vintrel::curve::sampleCurve;
using vintrel::curve::SampledCurve;

namespace {

using curve_testing::sampled;

// x = t over 0 ... 1: the finer curve's sample k is at t = k / 4096 and its midpoint k at
// (2k + 1) / 8192, both exact; every old point is kept as it was, the old midpoints becoming the
// odd samples.
TEST(refineSampling, DoublesTheDensityKeepingEveryPoint) {
  const SampledCurve curve = sampled("t", "t * t", "0");
  const SampledCurve finer = refineSampling(curve);
  ASSERT_EQ(finer.samples.size(), 4097u);
  ASSERT_EQ(finer.midpoints.size(), 4096u);
  EXPECT_EQ(finer.step, curve.step / 2);
  EXPECT_EQ(finer.tStart, curve.tStart);
  EXPECT_EQ(finer.tEnd, curve.tEnd);
  ASSERT_TRUE(finer.pointsAt);  // the same formulas: the new midpoints below are theirs
  ASSERT_EQ(finer.probes.size(), curve.probes.size());
  EXPECT_EQ(finer.probes[7].y, curve.probes[7].y);
  for (std::size_t k = 0; k < 4097; ++k) {
    ASSERT_EQ(finer.samples[k].x, k / 4096.0) << k;
    ASSERT_EQ(finer.sampleT(k), k / 4096.0) << k;
  }
  for (std::size_t k = 0; k < 2048; ++k) {
    ASSERT_EQ(finer.samples[2 * k + 1].y, curve.midpoints[k].y) << k;
    ASSERT_EQ(finer.sampleT(2 * k + 1), curve.midpointT(k)) << k;
  }
  for (std::size_t k = 0; k < 4096; ++k) {
    ASSERT_EQ(finer.midpoints[k].x, (2 * k + 1) / 8192.0) << k;
    ASSERT_EQ(finer.midpoints[k].y, finer.midpoints[k].x * finer.midpoints[k].x) << k;
  }
  const SampledCurve finest = refineSampling(finer);
  EXPECT_EQ(finest.samples.size(), 8193u);
  EXPECT_EQ(finest.midpoints.back().x, 16383 / 16384.0);
}

// A downward range stays downward, its new midpoints between its old points.
TEST(refineSampling, FollowsADownwardRange) {
  const SampledCurve finer =
      refineSampling(sampleCurve({2.0, 1.0, "t", "0", "0"}, curve_testing::kPi));
  EXPECT_EQ(finer.samples.front().x, 2.0);
  EXPECT_EQ(finer.samples.back().x, 1.0);
  EXPECT_EQ(finer.midpoints.front().x, 2.0 - 1.0 / 8192);
}

// The first new midpoint where y is not finite is named, as sampling names its own points; a
// curve without formulas, or with its points out of step, cannot be refined.
TEST(refineSampling, RefusesWhatItCannotSample) {
  // NaN within 1e-5 of t = 3 / 8192, where only the finer midpoint 1 falls.
  const SampledCurve spiky = sampled("t", "sqrt((t - 3 / 8192) ^ 2 - 1e-10)", "0");
  try {
    refineSampling(spiky);
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "y(t) is not a finite number at t = 0.0003662109375");
  }
  SampledCurve withoutFormulas = sampled("t", "0", "0");
  withoutFormulas.pointsAt = nullptr;
  EXPECT_THROW(refineSampling(withoutFormulas), std::invalid_argument);
  SampledCurve outOfStep = sampled("t", "0", "0");
  outOfStep.midpoints.pop_back();
  EXPECT_THROW(refineSampling(outOfStep), std::invalid_argument);
}

}  // namespace

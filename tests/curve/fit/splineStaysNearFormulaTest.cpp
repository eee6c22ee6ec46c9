// The second direction of the tolerance on hand-made splines against a straight formula curve:
// a bulge between the judged points, a spline that runs along the formula at another pace.
#include "curve/fit/splineStaysNearFormula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "tests/support/SampledCurves.h"

using vintrel::curve::SampledCurve;
using vintrel::curve::splineStaysNearFormula;

namespace {

using Curve = num::BSplineCurve<double>;

// One Bézier piece with x = u and y = c · u (u - 1/2)(u - 1): its Bézier points' y are 0, c/6,
// -c/6, 0 (the cubic's power coefficients turned into Bernstein form). It meets the segment at
// u = 0, 1/2 and 1 and bulges |c| / (12√3) away from it at u = 1/2 ± √3/6.
num::CubicSpans<double> bulge(double c) {
  const Curve curve(3, {0, 0, 0, 1.0 / 3, c / 6, 0, 2.0 / 3, -c / 6, 0, 1, 0, 0},
                    Curve::ClampedUniformSetup(4, 3));
  return num::CubicSpans<double>::FromClamped(curve);
}

// c = 1: 0.0481 off the segment; the samples at x = 0.25 and 0.75 see 0.0469 of it, and the
// bound on the spline's swing between them the rest.
TEST(splineStaysNearFormula, RefusesASplineThatBulgesAwayFromTheFormula) {
  EXPECT_FALSE(
      splineStaysNearFormula(bulge(1.0), curve_testing::unitSegmentPoints(), 0.047, false));
  EXPECT_TRUE(
      splineStaysNearFormula(bulge(1.0), curve_testing::unitSegmentPoints(), 0.0482, false));
  EXPECT_TRUE(splineStaysNearFormula(bulge(0.0), curve_testing::unitSegmentPoints(), 0.0, false));
}

// Two spans with x = u (x controls at the Greville abscissae 0, 1/6, 1/2, 5/6, 1) and the given
// y controls, judged at u = 0, 1/2, 1 against the x axis: a sample at each end, a midpoint
// between, each on the spline, so only the bound on the spline between them can find it away.
num::CubicSpans<double> twoSpans(const std::vector<double>& y) {
  const double x[] = {0, 1.0 / 6, 0.5, 5.0 / 6, 1};
  std::vector<double> controls;
  for (int i = 0; i < 5; ++i) controls.insert(controls.end(), {x[i], y[i], 0.0});
  return num::CubicSpans<double>::FromClamped(Curve(3, controls, Curve::ClampedUniformSetup(5, 3)));
}

SampledCurve endsAndMiddle() {
  SampledCurve axis;
  axis.samples = {{0, 0, 0}, {1, 0, 0}};
  axis.midpoints = {{0.5, 0, 0}};
  return axis;
}

// Each spline peaks between the judged points, past a tolerance that its points at the quarters,
// where the halving looks first, stay within; it is refused there and taken just above its peak.
// y controls 0, -2, 0, 2, 0: on the first span (Bézier y 0, -2, -1, 0, s = 2u)
// y = -3s(1 - s)(2 - s), whose |y| reaches 2/√3 at s = 1 - 1/√3, is 1.125 at u = 1/4 and bends
// 72 (in u) at u = 0; the second span mirrors it. y controls 0, 0, 1, -2, 0: on the second span
// (Bézier y 0, -1/2, -2, 0, s = 2u - 1) y = -3s(1 - s)(1 + 3s)/2, 0.9375 at u = 3/4 and 1.0108 at
// s = (2 + √13)/9, the first half checked alone staying within 2/9.
TEST(splineStaysNearFormula, RefusesABulgeBetweenTheJudgedPoints) {
  const struct {
    std::vector<double> y;
    double peak;
    double refusedAt;
  } cases[] = {{{0, -2, 0, 2, 0}, 2 / std::sqrt(3.0), 1.1316}, {{0, 0, 1, -2, 0}, 1.0108, 0.97}};
  for (const auto& c : cases) {
    EXPECT_FALSE(splineStaysNearFormula(twoSpans(c.y), endsAndMiddle(), c.refusedAt, false))
        << c.y[1];
    EXPECT_TRUE(splineStaysNearFormula(twoSpans(c.y), endsAndMiddle(), c.peak + 1e-4, false))
        << c.y[1];
  }
}

// x = u² runs along the segment at another pace: at u = 1/2 it stands at x = 1/4, a quarter from
// its own formula point, but on the formula's curve.
TEST(splineStaysNearFormula, FindsTheFormulaNearAPointThatRunsAhead) {
  const Curve curve(3, {0, 0, 0, 0, 0, 0, 1.0 / 3, 0, 0, 1, 0, 0},
                    Curve::ClampedUniformSetup(4, 3));
  EXPECT_TRUE(splineStaysNearFormula(num::CubicSpans<double>::FromClamped(curve),
                                     curve_testing::unitSegmentPoints(), 0.002, false));
}

}  // namespace

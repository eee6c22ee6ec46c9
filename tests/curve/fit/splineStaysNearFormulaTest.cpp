// The second direction of the tolerance on hand-made splines against a straight formula curve:
// a bulge between the judged points, a spline that runs along the formula at another pace.
#include "curve/fit/splineStaysNearFormula.h"

#include <gtest/gtest.h>

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

// x = u² runs along the segment at another pace: at u = 1/2 it stands at x = 1/4, a quarter from
// its own formula point, but on the formula's curve.
TEST(splineStaysNearFormula, FindsTheFormulaNearAPointThatRunsAhead) {
  const Curve curve(3, {0, 0, 0, 0, 0, 0, 1.0 / 3, 0, 0, 1, 0, 0},
                    Curve::ClampedUniformSetup(4, 3));
  EXPECT_TRUE(splineStaysNearFormula(num::CubicSpans<double>::FromClamped(curve),
                                     curve_testing::unitSegmentPoints(), 0.002, false));
}

}  // namespace

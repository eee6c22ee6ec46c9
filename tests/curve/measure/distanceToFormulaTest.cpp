// The spline's distance from the formula on a hand-made bulge beside a straight formula curve,
// and the formula near a parameter, along its samples and searched.
#include "curve/measure/distanceToFormula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "curve/formula/CurveFormula.h"
#include "numerics/BSplineCurve.h"
#include "tests/support/SampledCurves.h"

using vintrel::curve::CurveFormula;
using vintrel::curve::DistanceToFormula;
using vintrel::curve::FormulaNearby;
using vintrel::curve::largestDistanceToFormula;
using vintrel::curve::SampledCurve;
using vintrel::curve::SamplePoint;
using vintrel::curve::SamplePoints;

namespace {

using Curve = num::BSplineCurve<double>;

// x = u, y = u (u - 1/2)(u - 1): farthest from the segment, 1 / (12√3), at u = 1/2 - √3/6 =
// 0.2113, between the judged points at 0.25 and 0.125, where the look around the farthest
// judged point finds it.
TEST(largestDistanceToFormula, MeasuresTheSplinesFarthestPointFromTheFormula) {
  const Curve curve(3, {0, 0, 0, 1.0 / 3, 1.0 / 6, 0, 2.0 / 3, -1.0 / 6, 0, 1, 0, 0},
                    Curve::ClampedUniformSetup(4, 3));
  const num::CubicSpans<double> spline = num::CubicSpans<double>::FromClamped(curve);
  const DistanceToFormula measured =
      largestDistanceToFormula(spline, curve_testing::unitSegmentPoints(), 0.0, 1000);
  EXPECT_NEAR(measured.found, 1 / (12 * std::sqrt(3.0)), 1e-5);
  EXPECT_EQ(measured.atMost, measured.found);
  // A figure of the other direction above every own distance settles it: nothing is measured.
  EXPECT_EQ(largestDistanceToFormula(spline, curve_testing::unitSegmentPoints(), 0.1, 1000).found,
            0.0);
}

// The parabola y = 4 (t - 1/2)² for t in [0, 1]: the point (0.5, -0.1) lies 0.1 below its vertex.
// Near u = 0.5 the search of the formula finds that; near u = 0 (reach 0.2) it cannot, and the
// samples' broken line reaches only as far as the formula's points there.
TEST(FormulaNearby, SearchesTheFormulaNearAParameter) {
  SampledCurve parabola;
  parabola.tStart = 0.0;
  parabola.tEnd = 1.0;
  auto formula = std::make_shared<CurveFormula>(
      vintrel::curve::CurveRequest{0.0, 1.0, "t", "4 * (t - 0.5)^2", "0"},
      vintrel::curve::ParameterTable{});
  parabola.pointsAt = [formula](const std::vector<double>& t, SamplePoints& points) {
    formula->appendPointsAt(t, points);
  };
  for (int k = 0; k <= 8; ++k) parabola.samples.push_back(formula->pointAt(k / 8.0));
  for (int k = 0; k < 8; ++k) parabola.midpoints.push_back(formula->pointAt((k + 0.5) / 8.0));
  const FormulaNearby nearby(parabola, 0.2, false);
  const SamplePoint below{0.5, -0.1, 0.0};
  EXPECT_NEAR(nearby.searched(below, 0.5), 0.1, 1e-9);
  EXPECT_NEAR(nearby.alongSamples(below, 0.5), 0.1, 1e-12);  // the vertex is a sample
  EXPECT_GT(nearby.searched(below, 0.0), 0.2);
  EXPECT_EQ(nearby.pointAt(0.25).y, 0.25);  // 4 · 0.25²
}

// A point 0.001 outside the unit circle at -0.3°, judged near the seam of the closed circle
// (2049 samples, one turn), from either side of it: the formula is found 0.001 away across the
// seam. Its broken line through 4097 points, 2π/4096 apart, is found there too, a chord's sagitta
// farther: the point lies at 3.413 steps before the seam, 0.087 steps from its chord's middle, so
// 1.001 cos(0.087 · 2π/4096) - cos(π/4096) = 0.00100028529 from the chord. Open, the circle ends
// at the seam, 0.00533 from the point.
TEST(FormulaNearby, WrapsRoundTheSeamOfAClosedCurve) {
  const SampledCurve circle = curve_testing::sampled("cos(2 * pi * t)", "sin(2 * pi * t)", "0");
  const double angle = -0.3 * curve_testing::kPi.at("pi") / 180;
  const SamplePoint outside{1.001 * std::cos(angle), 1.001 * std::sin(angle), 0.0};
  const FormulaNearby closed(circle, 1.0 / 8, true);
  for (double u : {0.0, 1.0}) {
    EXPECT_NEAR(closed.distance(outside, u, 0.0), 0.001, 1e-9) << u;
    EXPECT_NEAR(closed.searched(outside, u), 0.001, 1e-9) << u;
    EXPECT_NEAR(closed.alongSamples(outside, u), 0.00100028529109, 1e-13) << u;
  }
  EXPECT_GT(FormulaNearby(circle, 1.0 / 8, false).distance(outside, 0.0, 0.0), 0.005);
}

}  // namespace

#include "tools/SplineEvaluator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "SampleReports.h"

namespace sorvane {
namespace {

TEST(SplineEvaluator, QuadraticBezierMidpoint) {
  Spline spline;
  spline.degree = 2;
  spline.controlPoints = {{0, 0, 0}, {1, 2, 0}, {2, 0, 4}};
  spline.knots = {0, 0, 0, 1, 1, 1};
  // B(1/2) = P0/4 + P1/2 + P2/4 = (1, 1, 1).
  const Point3 mid = SplineEvaluator(spline).point(0.5);
  EXPECT_DOUBLE_EQ(mid[0], 1);
  EXPECT_DOUBLE_EQ(mid[1], 1);
  EXPECT_DOUBLE_EQ(mid[2], 1);
}

TEST(SplineEvaluator, ReproducesALineOverSeveralSpans) {
  // Controls at the Greville abscissae (t[i+1] + t[i+2] + t[i+3]) / 3 make x(u) = u exactly.
  Spline spline;
  spline.degree = 3;
  spline.controlPoints = {{0, 0, 0}, {1.0 / 3, 0, 0}, {1, 0, 0}, {5.0 / 3, 0, 0}, {2, 0, 0}};
  spline.knots = {0, 0, 0, 0, 1, 2, 2, 2, 2};
  const SplineEvaluator evaluator(spline);
  EXPECT_EQ(evaluator.domain(), std::make_pair(0.0, 2.0));
  for (double u : {0.0, 0.25, 0.999, 1.0, 1.5, 2.0}) {
    EXPECT_NEAR(evaluator.point(u)[0], u, 1e-15) << u;
  }
  EXPECT_EQ(evaluator.point(-5)[0], 0);  // clamped into the domain
  EXPECT_EQ(evaluator.point(7)[0], 2);
}

TEST(SplineEvaluator, SamplesEverySpanAndEndsOnTheLastControl) {
  Spline spline = testing::straightSegment();
  const std::vector<Point3> points = SplineEvaluator(spline).samples(10);
  ASSERT_EQ(points.size(), 11u);  // one span of 10, plus the end
  EXPECT_EQ(points.front()[0], 0);
  EXPECT_DOUBLE_EQ(points[3][0], 0.3);
  EXPECT_EQ(points.back()[0], 1);
}

TEST(SplineEvaluator, RefusesMalformedSplines) {
  const Spline good = testing::straightSegment();
  std::vector<Spline> bad(6, good);
  bad[0].degree = 0;
  bad[1].knots.pop_back();
  bad[2].knots[5] = 0.5;                    // decreasing
  bad[3].knots = {0, 0, 0, 0, 0, 0, 0, 0};  // empty domain
  bad[4].controlPoints.resize(3);
  bad[5].knots[7] = NAN;
  for (const Spline& spline : bad) EXPECT_THROW(SplineEvaluator{spline}, std::invalid_argument);
}

}  // namespace
}  // namespace sorvane

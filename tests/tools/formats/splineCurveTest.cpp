#include "tools/formats/splineCurve.h"

#include <gtest/gtest.h>

#include <cmath>

#include "SampleReports.h"

namespace sorvane {
namespace {

Point3 pointAt(num::BSplineCurve<double>& curve, double u) {
  Point3 point;
  curve.EvaluatePoint(u, point.data());
  return point;
}

TEST(splineCurve, QuadraticBezierMidpoint) {
  Spline spline;
  spline.degree = 2;
  spline.controlPoints = {{0, 0, 0}, {1, 2, 0}, {2, 0, 4}};
  spline.knots = {0, 0, 0, 1, 1, 1};
  num::BSplineCurve<double> curve = splineCurve(spline);
  // B(1/2) = P0/4 + P1/2 + P2/4 = (1, 1, 1).
  const Point3 mid = pointAt(curve, 0.5);
  EXPECT_DOUBLE_EQ(mid[0], 1);
  EXPECT_DOUBLE_EQ(mid[1], 1);
  EXPECT_DOUBLE_EQ(mid[2], 1);
}

TEST(splineCurve, ReproducesALineOverSeveralSpans) {
  // Controls at the Greville abscissae (t[i+1] + t[i+2] + t[i+3]) / 3 make x(u) = u exactly.
  Spline spline;
  spline.degree = 3;
  spline.controlPoints = {{0, 0, 0}, {1.0 / 3, 0, 0}, {1, 0, 0}, {5.0 / 3, 0, 0}, {2, 0, 0}};
  spline.knots = {0, 0, 0, 0, 1, 2, 2, 2, 2};
  num::BSplineCurve<double> curve = splineCurve(spline);
  EXPECT_EQ(curve.Basis().DomainMin(), 0);
  EXPECT_EQ(curve.Basis().DomainMax(), 2);
  for (double u : {0.0, 0.25, 0.999, 1.0, 1.5, 2.0}) {
    EXPECT_NEAR(pointAt(curve, u)[0], u, 1e-15) << u;
  }
  EXPECT_EQ(pointAt(curve, -5)[0], 0);  // clamped into the domain
  EXPECT_EQ(pointAt(curve, 7)[0], 2);
}

// Knots repeated beyond a clamped spline's at either end leave a control point without effect;
// the host holds such splines, and they must draw as the clamped curve does.
TEST(splineCurve, DropsControlsWithoutEffectAtTheEnds) {
  Spline clamped;
  clamped.degree = 2;
  clamped.controlPoints = {{0, 0, 0}, {1, 2, 0}, {2, 0, 4}};
  clamped.knots = {1, 1, 1, 2, 2, 2};
  Spline heavyStart = clamped;  // a stray first control, under a fourth knot 1
  heavyStart.controlPoints.insert(heavyStart.controlPoints.begin(), {99, 99, 99});
  heavyStart.knots.insert(heavyStart.knots.begin(), 1);
  Spline unclampedStart = heavyStart;  // the same with that knot below the domain
  unclampedStart.knots[0] = 0;
  Spline heavyEnd = clamped;
  heavyEnd.controlPoints.push_back({-99, -99, -99});
  heavyEnd.knots.push_back(2);
  num::BSplineCurve<double> reference = splineCurve(clamped);
  for (const Spline& spline : {heavyStart, unclampedStart, heavyEnd}) {
    num::BSplineCurve<double> curve = splineCurve(spline);
    EXPECT_EQ(curve.ControlPointCount(), 3);
    for (double u : {1.0, 1.3, 2.0}) EXPECT_EQ(pointAt(curve, u), pointAt(reference, u)) << u;
  }
}

TEST(splineCurve, RefusesMalformedSplines) {
  const Spline good = testing::straightSegment();
  std::vector<Spline> bad(7, good);
  bad[0].degree = 0;
  bad[1].knots.pop_back();
  bad[2].knots[5] = 0.5;                    // decreasing
  bad[3].knots = {0, 0, 0, 0, 0, 0, 0, 0};  // empty domain
  bad[4].controlPoints.resize(3);
  bad[5].knots[7] = NAN;
  // Two Bezier pieces that need not meet: a knot inside the domain four times.
  bad[6].controlPoints.insert(bad[6].controlPoints.end(), good.controlPoints.begin(),
                              good.controlPoints.end());
  bad[6].knots = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2};
  for (const Spline& spline : bad) {
    EXPECT_THROW(splineCurve(spline), std::invalid_argument);
    EXPECT_THROW(splinePoints(spline, 4), std::invalid_argument);
  }
}

TEST(splineCurve, PointsSampleEverySpanAndEndOnTheLastControl) {
  const std::vector<Point3> points = splinePoints(testing::straightSegment(), 10);
  ASSERT_EQ(points.size(), 11u);  // one span of 10, plus the end
  EXPECT_EQ(points.front()[0], 0);
  EXPECT_DOUBLE_EQ(points[3][0], 0.3);
  EXPECT_EQ(points.back()[0], 1);
  // Empty spans give no points; every other span its share.
  Spline twoSpans = testing::straightSegment();
  twoSpans.controlPoints.push_back({1, 0, 0});
  twoSpans.knots = {0, 0, 0, 0, 0.5, 1, 1, 1, 1};
  EXPECT_EQ(splinePoints(twoSpans, 3).size(), 7u);
  EXPECT_EQ(splinePoints(twoSpans, 0).size(), 3u);  // at least one point a span
}

}  // namespace
}  // namespace sorvane

#include "numerics/BezierSpans.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/BSplineCurve.h"

namespace {

using Curve = num::BSplineCurve<double>;

Curve someCurve(int n) {
  std::vector<double> controls;
  for (int i = 0; i < n; ++i) {
    controls.insert(controls.end(), {std::cos(0.7 * i) * (2 + 0.3 * (i % 3)), std::sin(0.7 * i) * 2,
                                     0.2 * i - 0.1 * (i % 2)});
  }
  return Curve(3, controls, Curve::ClampedUniformSetup(n, 3));
}

// One piece per distinct knot interval, each giving the B-spline's own points (through the
// polar form), end spans and inner spans alike; a scale multiplies every point.
TEST(BezierSpans, GivesTheCurvesPointsPieceByPiece) {
  for (int n : {4, 7, 12}) {
    Curve curve = someCurve(n);
    const num::BezierSpans<double> pieces(curve, 1.0);
    const num::BezierSpans<double> doubled(curve, 2.0);
    ASSERT_EQ(pieces.Pieces().size(), std::size_t(n - 3));
    std::size_t hint = 0;
    for (int k = 0; k <= 64; ++k) {
      const double u = k / 64.0;
      double expected[3];
      curve.EvaluatePoint(u, expected);
      hint = pieces.PieceAt(u, hint);
      const num::Point3<double> point = pieces.PointAt(hint, u);
      const num::Point3<double> twice = doubled.PointAt(hint, u);
      for (int x = 0; x < 3; ++x) {
        EXPECT_NEAR(point[x], expected[x], 1e-13) << n << " " << u;
        EXPECT_DOUBLE_EQ(twice[x], 2 * point[x]);
      }
    }
  }
}

// The halves of a piece run through the piece's own points at s / 2 and 1/2 + s / 2; the lower
// bound never exceeds a true distance to the piece.
TEST(BezierPiece, SplitsIntoHalvesAndBoundsItsDistance) {
  const num::BezierPiece<double> piece{{{{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 0, 0}}}};
  num::BezierPiece<double> left, right;
  piece.SplitInHalf(left, right);
  const double p[3] = {2.0, -1.0, 3.0};
  for (double s : {0.0, 0.3, 0.5, 1.0}) {
    double whole[3], fromLeft[3], fromRight[3];
    piece.Evaluate(s / 2, whole);
    left.Evaluate(s, fromLeft);
    piece.Evaluate(0.5 + s / 2, fromRight);
    double half[3];
    right.Evaluate(s, half);
    for (int x = 0; x < 3; ++x) {
      EXPECT_NEAR(fromLeft[x], whole[x], 1e-15);
      EXPECT_NEAR(half[x], fromRight[x], 1e-15);
    }
    EXPECT_LE(piece.SquaredDistanceLowerBound(p), num::SquaredDistance(whole, p));
  }
}

// The derivatives of B(s) = (1 - s)³ P0 + 3s(1 - s)² P1 + 3s²(1 - s) P2 + s³ P3 for the points
// (0,0,0), (1,0,0), (2,0,0), (3,0,0): x = 3s, so x' = 3 and x'' = 0 everywhere.
TEST(BezierPiece, DifferentiatesWithRespectToItsParameter) {
  const num::BezierPiece<double> line{{{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}}};
  double point[3], first[3], second[3];
  line.Evaluate(0.25, point, first, second);
  EXPECT_DOUBLE_EQ(point[0], 0.75);
  EXPECT_DOUBLE_EQ(first[0], 3.0);
  EXPECT_DOUBLE_EQ(second[0], 0.0);
}

}  // namespace

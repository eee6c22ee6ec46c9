// Matrix3D as the simulated host answers it: created as the identity, read and written by cell
// and as an array (row after row, translation in cells 3, 7, 11), composed in the host's order,
// inverted, copied, and applied to a curve.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>

#include <vector>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;

// Hand-written cases: a move by (1, 2, 3), and a quarter turn about z, (x, y, z) -> (-y, x, z).
const std::vector<double> kMove = {1, 0, 0, 1, 0, 1, 0, 2, 0, 0, 1, 3, 0, 0, 0, 1};
const std::vector<double> kQuarterTurn = {0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

Ptr<Matrix3D> matrix(const std::vector<double>& cells) {
  Ptr<Matrix3D> m = Matrix3D::create();
  EXPECT_TRUE(m->setWithArray(cells));
  return m;
}

TEST(SimMatrix3D, StartsAsTheIdentityAndReadsBackItsCells) {
  fsim::HostSession session;
  Ptr<Matrix3D> m = Matrix3D::create();
  ASSERT_TRUE(m);
  EXPECT_EQ(m->asArray(), (std::vector<double>{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
  EXPECT_TRUE(m->setCell(1, 3, 2.5));
  EXPECT_EQ(m->getCell(1, 3), 2.5);
  EXPECT_EQ(m->asArray()[7], 2.5);  // row 1, column 3
  for (const auto& [row, column] : {std::pair{4, 0}, {0, 4}, {-1, 0}}) {
    EXPECT_FALSE(m->setCell(row, column, 1.0)) << row << ", " << column;
    EXPECT_EQ(m->getCell(row, column), 0.0);
  }
  EXPECT_FALSE(m->setWithArray(std::vector<double>(15, 1.0)));
  EXPECT_EQ(m->getCell(0, 0), 1.0);  // unchanged by the refused array
}

TEST(SimMatrix3D, TransformByAppliesTheArgumentAfterThisMatrix) {
  fsim::HostSession session;
  Ptr<Matrix3D> m = matrix(kMove);
  ASSERT_TRUE(m->transformBy(matrix(kQuarterTurn)));
  // The origin moves to (1, 2, 3), then turns to (-2, 1, 3); the axes only turn.
  EXPECT_EQ(m->asArray(), (std::vector<double>{0, -1, 0, -2, 1, 0, 0, 1, 0, 0, 1, 3, 0, 0, 0, 1}));
  EXPECT_FALSE(m->transformBy(nullptr));
}

TEST(SimMatrix3D, InvertUndoesTheMapAndRefusesASingularMatrix) {
  fsim::HostSession session;
  Ptr<Matrix3D> m = matrix(kMove);
  m->transformBy(matrix(kQuarterTurn));
  Ptr<Matrix3D> inverse = m->copy();
  ASSERT_TRUE(inverse->invert());
  // Turn back, (x, y, z) -> (y, -x, z), then move by (-1, -2, -3): (-2, 1, 3) goes home.
  EXPECT_EQ(inverse->asArray(),
            (std::vector<double>{0, 1, 0, -1, -1, 0, 0, -2, 0, 0, 1, -3, 0, 0, 0, 1}));
  EXPECT_EQ(m->getCell(0, 3), -2.0);  // the copy is independent
  inverse->transformBy(m);
  EXPECT_EQ(inverse->asArray(), Matrix3D::create()->asArray());

  Ptr<Matrix3D> flat = matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
  EXPECT_FALSE(flat->invert());
  EXPECT_EQ(flat->getCell(2, 2), 0.0);  // left as it was
}

TEST(SimMatrix3D, MovesACurvesControlPointsAndKeepsItsKnots) {
  fsim::HostSession session;
  std::vector<Ptr<Point3D>> points = {Point3D::create(0, 0, 0), Point3D::create(1, 0, 0)};
  Ptr<NurbsCurve3D> curve = NurbsCurve3D::createNonRational(points, 1, {0, 0, 1, 1}, false);
  ASSERT_TRUE(curve->transformBy(matrix(kQuarterTurn)));
  EXPECT_EQ(curve->controlPoints()[1]->asArray(), (std::vector<double>{0, 1, 0}));
  EXPECT_EQ(curve->knots(), (std::vector<double>{0, 0, 1, 1}));
  EXPECT_FALSE(curve->transformBy(nullptr));
}

}  // namespace

// A sketch's own space in the simulated host: each plane gives its sketches the orthonormal,
// right-handed frame Fusion 360 gives them, points cross between sketch and model space through
// it, and a fixed spline is kept in sketch space and placed in the model by it.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;
using namespace adsk::fusion;
using Vector = std::array<double, 3>;

/// A plane and, written out by hand from the frames HostTypes.h documents, where its sketches'
/// x axis, y axis and normal point and where their origin lies in model space.
struct Frame {
  fsim::SketchPlane plane;
  const char* name;
  Vector x, y, normal, origin;
};

void PrintTo(const Frame& frame, std::ostream* out) { *out << frame.name; }

constexpr double kThird = 1.0 / 3.0;

const Frame kFrames[] = {
    {fsim::SketchPlane::XY, "XY", {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 0}},
    {fsim::SketchPlane::XZ, "XZ", {1, 0, 0}, {0, 0, -1}, {0, 1, 0}, {0, 0, 0}},
    {fsim::SketchPlane::YZ, "YZ", {0, 0, -1}, {0, 1, 0}, {1, 0, 0}, {0, 0, 0}},
    {fsim::SketchPlane::Tilted,
     "Tilted",
     {2 * kThird, 2 * kThird, -kThird},
     {-kThird, 2 * kThird, 2 * kThird},
     {2 * kThird, -kThird, 2 * kThird},
     {1, 2, 3}},
};

double dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vector cross(const Vector& a, const Vector& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vector xyz(const Ptr<Point3D>& point) { return {point->x(), point->y(), point->z()}; }

void expectNear(const Vector& got, const Vector& want, const std::string& what) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], want[i], 1e-15) << what << " [" << i << "]";
}

class SimSketch : public ::testing::TestWithParam<Frame> {
 protected:
  Ptr<Sketch> addSketch() {
    const std::string name = session.addSketch(GetParam().plane);
    Ptr<Design> design = Application::get()->activeProduct();
    return design->rootComponent()->sketches()->itemByName(name);
  }

  fsim::HostSession session;
};

TEST_P(SimSketch, FrameIsOrthonormalRightHandedAndThePlanesOwn) {
  const Frame& frame = GetParam();
  expectNear(cross(frame.x, frame.y), frame.normal, "x cross y");
  for (const Vector& axis : {frame.x, frame.y, frame.normal})
    EXPECT_NEAR(dot(axis, axis), 1, 1e-15);
  EXPECT_NEAR(dot(frame.x, frame.y), 0, 1e-15);

  Ptr<Sketch> sketch = addSketch();
  ASSERT_TRUE(sketch);
  Ptr<Matrix3D> transform = sketch->transform();
  ASSERT_TRUE(transform);
  // The columns of the transform are the axes and the origin.
  for (int row = 0; row < 3; ++row) {
    EXPECT_NEAR(transform->getCell(row, 0), frame.x[row], 1e-15);
    EXPECT_NEAR(transform->getCell(row, 1), frame.y[row], 1e-15);
    EXPECT_NEAR(transform->getCell(row, 2), frame.normal[row], 1e-15);
    EXPECT_EQ(transform->getCell(row, 3), frame.origin[row]);
  }
  EXPECT_EQ(session.sketches()[0].plane, frame.name);
  EXPECT_EQ(session.sketches()[0].transform[15], 1.0);
  EXPECT_FALSE(sketch->transform(Matrix3D::create()));  // moving a sketch is not simulated
}

TEST_P(SimSketch, PointsCrossBetweenSketchAndModelSpace) {
  const Frame& frame = GetParam();
  Ptr<Sketch> sketch = addSketch();
  // (2, -1, 3) in the sketch is origin + 2 x - y + 3 normal in the model.
  Vector model;
  for (int i = 0; i < 3; ++i) {
    model[i] = frame.origin[i] + 2 * frame.x[i] - frame.y[i] + 3 * frame.normal[i];
  }
  Ptr<Point3D> inModel = sketch->sketchToModelSpace(Point3D::create(2, -1, 3));
  ASSERT_TRUE(inModel);
  expectNear(xyz(inModel), model, "sketch to model");
  Ptr<Point3D> back = sketch->modelToSketchSpace(inModel);
  ASSERT_TRUE(back);
  expectNear(xyz(back), {2, -1, 3}, "model to sketch");
  EXPECT_FALSE(sketch->sketchToModelSpace(nullptr));
  EXPECT_FALSE(sketch->modelToSketchSpace(nullptr));
}

TEST_P(SimSketch, SplineKeepsSketchSpaceAndIsPlacedByTheTransform) {
  const Frame& frame = GetParam();
  Ptr<Sketch> sketch = addSketch();
  std::vector<Ptr<Point3D>> points = {Point3D::create(0, 0, 0), Point3D::create(1, 1, 1)};
  Ptr<NurbsCurve3D> curve = NurbsCurve3D::createNonRational(points, 1, {0, 0, 1, 1}, false);
  Ptr<SketchFixedSpline> spline =
      sketch->sketchCurves()->sketchFixedSplines()->addByNurbsCurve(curve);
  ASSERT_TRUE(spline);
  EXPECT_EQ(spline->geometry()->controlPoints()[1]->asArray(), (std::vector<double>{1, 1, 1}));
  Ptr<NurbsCurve3D> world = spline->worldGeometry();
  ASSERT_TRUE(world);
  EXPECT_EQ(world->knots(), (std::vector<double>{0, 0, 1, 1}));
  expectNear(xyz(world->controlPoints()[0]), frame.origin, "world start");
  Vector end;
  for (int i = 0; i < 3; ++i) end[i] = frame.origin[i] + frame.x[i] + frame.y[i] + frame.normal[i];
  expectNear(xyz(world->controlPoints()[1]), end, "world end");

  const fsim::SketchInfo info = session.sketches()[0];
  ASSERT_EQ(info.worldSplines.size(), 1u);
  EXPECT_EQ(info.splines[0].controlPoints[1], (Vector{1, 1, 1}));
  EXPECT_EQ(info.worldSplines[0].controlPoints[1], xyz(world->controlPoints()[1]));
}

INSTANTIATE_TEST_SUITE_P(Planes, SimSketch, ::testing::ValuesIn(kFrames),
                         [](const ::testing::TestParamInfo<Frame>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace

// A computed curve handed to the host: the host's curve is the fit exactly, in centimetres, in the
// formulas' space or carried by a placement, and a refused curve is an error.
#include "curvehost/toNurbsCurve.h"

#include <gtest/gtest.h>

#include <vector>

#include "fusionkit/NullObjectError.h"
#include "host/driver/HostSession.h"

using vintrel::curve::AffineMap;
using vintrel::curve::ComputedCurve;
using vintrel::curve::CurveRequest;
using vintrel::curve::kBuiltInPi;
using vintrel::curve::ParameterTable;
using vintrel::curve::SplineFit;

using adsk::core::NurbsCurve3D;
using adsk::core::Point3D;
using adsk::core::Ptr;
using vintrel::curvehost::toNurbsCurve;

namespace {

const ParameterTable kParameters{{"pi", kBuiltInPi}, {"r", 2.0}};
/// Two turns of a helix of radius r.
const CurveRequest kHelix{0.0, 2.0, "r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "t"};

std::vector<double> coordinatesOf(const Ptr<NurbsCurve3D>& curve) {
  std::vector<double> coordinates;
  for (const Ptr<Point3D>& point : curve->controlPoints()) {
    coordinates.insert(coordinates.end(), {point->x(), point->y(), point->z()});
  }
  return coordinates;
}

class toNurbsCurveTest : public ::testing::Test {
 protected:
  fsim::HostSession host;
};

TEST_F(toNurbsCurveTest, TheHostsCurveIsTheFit) {
  const ComputedCurve curve(kHelix, kParameters);
  const SplineFit& fit = curve.fit();
  Ptr<NurbsCurve3D> nurbs = toNurbsCurve(curve);
  EXPECT_EQ(nurbs->degree(), 3);
  EXPECT_FALSE(nurbs->isRational());
  EXPECT_EQ(coordinatesOf(nurbs), fit.curve->ControlCoordinates());
  EXPECT_EQ(nurbs->knots(), fit.curve->Basis().KnotVector());
}

TEST_F(toNurbsCurveTest, APlacementMovesTheControlPointsAndKeepsTheKnots) {
  const ComputedCurve curve(kHelix, kParameters);
  // x and y swapped, then moved by (10, 20, 30).
  const AffineMap placement({0, 1, 0, 10, 1, 0, 0, 20, 0, 0, 1, 30, 0, 0, 0, 1});
  Ptr<NurbsCurve3D> placed = toNurbsCurve(curve, placement);
  EXPECT_EQ(coordinatesOf(placed),
            placement.mapCoordinates(curve.fit().curve->ControlCoordinates()));
  EXPECT_EQ(placed->knots(), curve.fit().curve->Basis().KnotVector());
}

// A curve in millimetres reaches the host in centimetres.
TEST_F(toNurbsCurveTest, TheHostGetsCentimetres) {
  CurveRequest inMillimetres{0.0, 1.0, "20 * cos(2 * pi * t)", "20 * sin(2 * pi * t)", "0"};
  inMillimetres.unit = *vintrel::curve::lengthUnitNamed("mm");
  const ComputedCurve curve(inMillimetres, kParameters);
  EXPECT_EQ(coordinatesOf(toNurbsCurve(curve)), curve.controlCentimetres());
}

TEST_F(toNurbsCurveTest, ARefusedCurveIsAnError) {
  const ComputedCurve curve(kHelix, kParameters);
  host.failOperation("NurbsCurve3D.createNonRational", fsim::FaultMode::Always);
  EXPECT_THROW(toNurbsCurve(curve), hv::f360::NullObjectError);
  EXPECT_THROW(toNurbsCurve(curve, AffineMap({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1})),
               hv::f360::NullObjectError);
}

}  // namespace

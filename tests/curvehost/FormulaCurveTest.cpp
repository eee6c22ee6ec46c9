// The formula curve step in the simulated host: the host's curve is the fit exactly, in the
// formulas' space or carried by a placement; the definition names only the parameters used; a
// failing formula or a refused curve is an error.
#include "curvehost/FormulaCurve.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <vector>

#include "curve/definition/CurveDefinition.h"
#include "fusionkit/NullObjectError.h"
#include "host/driver/HostSession.h"

using vintrel::curve::AffineMap;
using vintrel::curve::CurveDefinition;
using vintrel::curve::CurveRequest;
using vintrel::curve::kBuiltInPi;
using vintrel::curve::ParameterTable;
using vintrel::curve::readCurveDefinition;
using vintrel::curve::SplineFit;

using adsk::core::NurbsCurve3D;
using adsk::core::Point3D;
using adsk::core::Ptr;
using vintrel::curvehost::FormulaCurve;

namespace {

const ParameterTable kParameters{{"pi", kBuiltInPi}, {"r", 2.0}, {"unused", 7.0}};
/// Two turns of a helix of radius r.
const CurveRequest kHelix{0.0, 2.0, "r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "t"};

std::vector<double> coordinatesOf(const Ptr<NurbsCurve3D>& curve) {
  std::vector<double> coordinates;
  for (const Ptr<Point3D>& point : curve->controlPoints()) {
    coordinates.insert(coordinates.end(), {point->x(), point->y(), point->z()});
  }
  return coordinates;
}

class FormulaCurveTest : public ::testing::Test {
 protected:
  fsim::HostSession host;
};

TEST_F(FormulaCurveTest, TheHostsCurveIsTheFitAndTheStatusItsCount) {
  const FormulaCurve curve(kHelix, kParameters);
  const SplineFit& fit = curve.fit();
  Ptr<NurbsCurve3D> nurbs = curve.nurbsCurve();
  EXPECT_EQ(nurbs->degree(), 3);
  EXPECT_FALSE(nurbs->isRational());
  EXPECT_EQ(coordinatesOf(nurbs), fit.curve->ControlCoordinates());
  EXPECT_EQ(nurbs->knots(), fit.curve->Basis().KnotVector());
  EXPECT_EQ(curve.status().controlCount, fit.curve->ControlPointCount());
  EXPECT_FALSE(curve.status().largestDeviation);
}

TEST_F(FormulaCurveTest, APlacementMovesTheControlPointsAndKeepsTheKnots) {
  const FormulaCurve curve(kHelix, kParameters);
  // x and y swapped, then moved by (10, 20, 30).
  const AffineMap placement({0, 1, 0, 10, 1, 0, 0, 20, 0, 0, 1, 30, 0, 0, 0, 1});
  Ptr<NurbsCurve3D> placed = curve.nurbsCurve(placement);
  EXPECT_EQ(coordinatesOf(placed),
            placement.mapCoordinates(curve.fit().curve->ControlCoordinates()));
  EXPECT_EQ(placed->knots(), curve.fit().curve->Basis().KnotVector());
}

TEST_F(FormulaCurveTest, TheDefinitionHoldsTheRequestAndTheNamedParameters) {
  const CurveDefinition stored =
      readCurveDefinition(FormulaCurve(kHelix, kParameters).definition());
  EXPECT_EQ(stored.request.xExpression, kHelix.xExpression);
  EXPECT_EQ(stored.request.tEnd, 2.0);
  EXPECT_EQ(stored.parameters, (ParameterTable{{"r", 2.0}}));
}

// A curve in millimetres is fitted in millimetres and handed over in centimetres: the same knots,
// every control coordinate a tenth, and the definition in millimetres.
TEST_F(FormulaCurveTest, TheHostGetsCentimetresOfACurveInAnotherUnit) {
  CurveRequest inMillimetres{0.0, 1.0, "20 * cos(2 * pi * t)", "20 * sin(2 * pi * t)", "0"};
  inMillimetres.unit = *vintrel::curve::lengthUnitNamed("mm");
  inMillimetres.tolerance = 0.05;
  const FormulaCurve curve(inMillimetres, kParameters);
  const std::vector<double>& fitted = curve.fit().curve->ControlCoordinates();
  const std::vector<double> handed = coordinatesOf(curve.nurbsCurve());
  ASSERT_EQ(handed.size(), fitted.size());
  for (std::size_t i = 0; i < fitted.size(); ++i) EXPECT_EQ(handed[i], fitted[i] / 10) << i;
  EXPECT_EQ(curve.nurbsCurve()->knots(), curve.fit().curve->Basis().KnotVector());
  const CurveDefinition stored = readCurveDefinition(curve.definition());
  EXPECT_EQ(stored.request.unit.name, "mm");
  EXPECT_EQ(stored.request.tolerance, 0.05);
}

TEST_F(FormulaCurveTest, AFailingFormulaOrARefusedCurveIsAnError) {
  try {
    FormulaCurve({0.0, 1.0, "radius * t", "0", "0"}, kParameters);
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()).rfind("x(t): \"radius\" is not a parameter", 0), 0u)
        << error.what();
  }
  const FormulaCurve curve(kHelix, kParameters);
  host.failOperation("NurbsCurve3D.createNonRational", fsim::FaultMode::Always);
  EXPECT_THROW(curve.nurbsCurve(), hv::f360::NullObjectError);
  EXPECT_THROW(curve.nurbsCurve(AffineMap({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1})),
               hv::f360::NullObjectError);
}

}  // namespace

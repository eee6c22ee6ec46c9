// Replacing a formula curve in the simulated host: shape and definition change together or not at
// all, except when the host refuses both the definition and the undo; each outcome but Done has
// its one message.
#include "curvehost/replaceFormulaCurve.h"

#include <gtest/gtest.h>

#include <string>

#include "curve/definition/DefinitionAttribute.h"
#include "host/driver/HostSession.h"

using adsk::core::Application;
using adsk::core::NurbsCurve3D;
using adsk::core::Point3D;
using adsk::core::Ptr;
using adsk::fusion::Design;
using adsk::fusion::SketchFixedSpline;
using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kDefinitionName;
using vintrel::curvehost::replaceFormulaCurve;
using vintrel::curvehost::Replacement;
using vintrel::curvehost::replacementMessage;

namespace {

const fsim::NurbsData kOldShape{
    3, false, false, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}, {0, 0, 0, 0, 1, 1, 1, 1}};

class replaceFormulaCurveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sketch_ = host.addSketch(fsim::SketchPlane::XY);
    host.addSpline(sketch_, kOldShape);
    host.setSplineAttribute(sketch_, 0, {kDefinitionGroup, kDefinitionName, "old"});
  }
  Ptr<SketchFixedSpline> spline() const {
    Ptr<Design> design = Application::get()->activeProduct();
    return design->rootComponent()
        ->sketches()
        ->itemByName(sketch_)
        ->sketchCurves()
        ->sketchFixedSplines()
        ->item(0);
  }
  /// The segment from the origin to (0, 5, 0).
  static Ptr<NurbsCurve3D> newShape() {
    std::vector<Ptr<Point3D>> points;
    for (int i = 0; i < 4; ++i) points.push_back(Point3D::create(0, 5.0 * i / 3, 0));
    return NurbsCurve3D::createNonRational(points, 3, {0, 0, 0, 0, 1, 1, 1, 1}, false);
  }
  bool hasOldShape() const {
    return host.sketches()[0].splines[0].controlPoints == kOldShape.controlPoints;
  }
  std::string definition() const { return host.sketches()[0].splineAttributes[0][0].value; }

  fsim::HostSession host;
  std::string sketch_;
};

TEST_F(replaceFormulaCurveTest, DoneGivesTheNewShapeAndDefinitionAndSaysNothing) {
  EXPECT_EQ(replaceFormulaCurve(spline(), newShape(), "new"), Replacement::Done);
  EXPECT_EQ(host.sketches()[0].splines[0].controlPoints.back(), (std::array<double, 3>{0, 5, 0}));
  EXPECT_EQ(definition(), "new");
  EXPECT_EQ(replacementMessage(Replacement::Done), "");
}

TEST_F(replaceFormulaCurveTest, ARefusedShapeOrDefinitionLeavesTheCurveUnchanged) {
  for (const char* refused : {"SketchFixedSpline.replaceGeometry", "Attributes.add"}) {
    host.failOperation(refused, fsim::FaultMode::Once);
    EXPECT_EQ(replaceFormulaCurve(spline(), newShape(), "new"), Replacement::Unchanged) << refused;
    host.clearFaults();
    EXPECT_TRUE(hasOldShape()) << refused;
    EXPECT_EQ(definition(), "old") << refused;
  }
  const std::string told = replacementMessage(Replacement::Unchanged);
  EXPECT_NE(told.find("It is unchanged."), std::string::npos) << told;
}

TEST_F(replaceFormulaCurveTest, ARefusedDefinitionAndUndoLeaveTheNewShapeAlone) {
  host.failOperation("Attributes.add", fsim::FaultMode::Once);
  host.failOperation("SketchFixedSpline.replaceGeometry", fsim::FaultMode::Once, 2);
  EXPECT_EQ(replaceFormulaCurve(spline(), newShape(), "new"), Replacement::HalfReplaced);
  EXPECT_FALSE(hasOldShape());
  EXPECT_EQ(definition(), "old");
  const std::string told = replacementMessage(Replacement::HalfReplaced);
  EXPECT_NE(told.find("edit it again, or undo."), std::string::npos) << told;
}

}  // namespace

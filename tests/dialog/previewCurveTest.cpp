// The preview driven directly in the simulated host, with the application and a CurvePreview of
// the test's own: no add-in library is loaded.
#include "dialog/previewCurve.h"

#include <gtest/gtest.h>

#include <string>

#include "curve/computed/ComputedCurve.h"
#include "fusionkit/NullObjectError.h"
#include "host/driver/HostSession.h"
#include "tests/support/SampledCurves.h"

using vintrel::curve::FitStatus;

using adsk::core::Application;
using adsk::core::Ptr;
using vintrel::curve::ComputedCurve;
using vintrel::dialog::previewCurve;

namespace {

/// (x(t), y(t), z(t)) for t from 0 to tEnd, computed as the dialog computes it.
ComputedCurve formulaCurve(const std::string& x, const std::string& y, const std::string& z,
                           double tEnd = 1.0) {
  return ComputedCurve({0.0, tEnd, x, y, z}, curve_testing::kPi);
}

class previewCurveTest : public ::testing::Test {
 protected:
  // Declared first, so that it outlives every reference the test takes.
  fsim::HostSession host;
  Ptr<Application> application = Application::get();
  CurvePreview preview;
};

TEST_F(previewCurveTest, DrawsTheFitInRedAndClearingTakesItAway) {
  const FitStatus status = previewCurve(
      formulaCurve("cos(2 * pi * t)", "sin(2 * pi * t)", "t", 3.0), application, preview);
  EXPECT_EQ(status.controlCount, 32);  // the default helix's count, as the dialog shows it
  EXPECT_FALSE(status.largestDeviation);

  const std::vector<fsim::GraphicsGroupInfo> groups = host.graphicsGroups();
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].id, kCurvePreviewGroupId);
  ASSERT_EQ(groups[0].curves.size(), 1u);
  const fsim::CurveGraphicsInfo& drawn = groups[0].curves[0];
  EXPECT_EQ(drawn.color, (std::array<int, 4>{255, 0, 0, 255}));
  EXPECT_EQ(drawn.weight, 3.0);
  EXPECT_FALSE(drawn.selectable);
  EXPECT_EQ(drawn.curve.controlPoints.size(), 32u);

  preview.clear();
  EXPECT_TRUE(host.graphicsGroups().empty());
  EXPECT_FALSE(preview.shown());
}

TEST_F(previewCurveTest, ASecondPreviewReplacesTheFirst) {
  previewCurve(formulaCurve("cos(2 * pi * t)", "sin(2 * pi * t)", "t", 3.0), application, preview);
  previewCurve(formulaCurve("t", "0", "0"), application, preview);
  const std::vector<fsim::GraphicsGroupInfo> groups = host.graphicsGroups();
  ASSERT_EQ(groups.size(), 1u);
  ASSERT_EQ(groups[0].curves.size(), 1u);
  EXPECT_EQ(groups[0].curves[0].curve.controlPoints.size(), 4u);
}

TEST_F(previewCurveTest, InASketchInEditDrawsWhereTheSketchPlacesTheCurve) {
  host.editSketch(host.addSketch(fsim::SketchPlane::YZ));
  previewCurve(formulaCurve("t", "0", "0"), application, preview);
  const std::vector<fsim::GraphicsGroupInfo> groups = host.graphicsGroups();
  ASSERT_EQ(groups.size(), 1u);
  const fsim::NurbsData& drawn = groups[0].curves[0].curve;
  // The YZ sketch's x axis is model -z: the segment from sketch (0, 0, 0) to (1, 0, 0) runs from
  // the origin to model (0, 0, -1), its controls a third apart; the knots stay.
  ASSERT_EQ(drawn.controlPoints.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(drawn.controlPoints[i][0], 0.0);
    EXPECT_EQ(drawn.controlPoints[i][1], 0.0);
    EXPECT_NEAR(drawn.controlPoints[i][2], -i / 3.0, 1e-12) << i;
  }
  EXPECT_EQ(drawn.knots, (std::vector<double>{0, 0, 0, 0, 1, 1, 1, 1}));
}

// The old curve goes first: a preview that then fails owns none.
TEST_F(previewCurveTest, AFailingPreviewTakesTheOldOneAway) {
  previewCurve(formulaCurve("t", "0", "0"), application, preview);
  ASSERT_TRUE(preview.shown());
  host.setActiveProduct(fsim::ActiveProduct::OtherProduct);
  EXPECT_THROW(previewCurve(formulaCurve("t", "0", "0"), application, preview),
               hv::f360::NullObjectError);
  EXPECT_FALSE(preview.shown());
}

TEST_F(previewCurveTest, WithoutADesignNothingIsDrawn) {
  host.setActiveProduct(fsim::ActiveProduct::OtherProduct);
  EXPECT_THROW(previewCurve(formulaCurve("cos(2 * pi * t)", "sin(2 * pi * t)", "t", 3.0),
                            application, preview),
               hv::f360::NullObjectError);
  EXPECT_FALSE(preview.shown());
}

}  // namespace

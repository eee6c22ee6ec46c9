// The preview inside a sketch in edit, through the loaded add-in: on every plane it is drawn where
// OK then puts the spline, the spline itself is what the formulas give without any sketch, the
// sketch's placement is read once per preview from where the host maps four of its points, and a
// placement the host refuses shows the null-object error with nothing drawn.
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <ostream>
#include <string>

#include "AddInTest.h"

using vintrel::dialog::kMaxTValueInputId;

namespace {

struct PlaneCase {
  fsim::SketchPlane plane;
  const char* name;
  /// Where the default helix's last control point, the sample (1, 0, 3) at t = 3 in sketch
  /// space, lies in model space: origin + 1 x + 3 normal of the plane's frame (HostTypes.h).
  std::array<double, 3> helixEnd;
};

void PrintTo(const PlaneCase& plane, std::ostream* out) { *out << plane.name; }

const PlaneCase kPlanes[] = {
    {fsim::SketchPlane::XY, "XY", {1, 0, 3}},
    {fsim::SketchPlane::XZ, "XZ", {1, 3, 0}},
    {fsim::SketchPlane::YZ, "YZ", {3, 0, -1}},
    // (1, 2, 3) + (2, 2, -1) / 3 + 3 (2, -1, 2) / 3
    {fsim::SketchPlane::Tilted, "Tilted", {11.0 / 3, 5.0 / 3, 14.0 / 3}},
};

double largestMagnitude(const fsim::NurbsData& curve) {
  double largest = 0;
  for (const auto& point : curve.controlPoints) {
    for (double c : point) largest = std::max(largest, std::abs(c));
  }
  return largest;
}

class PreviewInSketch : public AddInTest, public ::testing::WithParamInterface<PlaneCase> {
 protected:
  /// The one curve of the one preview group.
  fsim::NurbsData previewCurve() const {
    const auto groups = previewGroups();
    EXPECT_EQ(groups.size(), 1u);
    if (groups.size() != 1 || groups[0].curves.size() != 1) return {};
    return groups[0].curves[0].curve;
  }
};

TEST_P(PreviewInSketch, LiesOnTheCreatedSplineWhichKeepsTheFormulasCoordinates) {
  host.editSketch(host.addSketch(GetParam().plane));
  startAndOpenDialog();
  const fsim::NurbsData preview = previewCurve();
  host.confirm();
  ASSERT_EQ(host.sketches().size(), 1u);
  const fsim::SketchInfo inSketch = host.sketches()[0];
  ASSERT_EQ(inSketch.splines.size(), 1u);
  const fsim::NurbsData& world = inSketch.worldSplines[0];

  EXPECT_EQ(preview.degree, world.degree);
  EXPECT_EQ(preview.knots, world.knots);
  ASSERT_EQ(preview.controlPoints.size(), world.controlPoints.size());
  const double tolerance = 1e-9 * largestMagnitude(world);
  for (std::size_t i = 0; i < world.controlPoints.size(); ++i) {
    for (int j = 0; j < 3; ++j) {
      EXPECT_NEAR(preview.controlPoints[i][j], world.controlPoints[i][j], tolerance) << i;
    }
  }
  for (int j = 0; j < 3; ++j) {
    EXPECT_NEAR(preview.controlPoints.back()[j], GetParam().helixEnd[j], 1e-12) << j;
  }

  // The same dialog outside any sketch: a new XY sketch gets the very same numbers.
  host.finishSketchEdit();
  click();
  host.confirm();
  const auto sketches = host.sketches();
  ASSERT_EQ(sketches.size(), 2u);
  ASSERT_EQ(sketches[1].splines.size(), 1u);
  EXPECT_EQ(sketches[1].plane, "XY");
  EXPECT_EQ(inSketch.splines[0].controlPoints, sketches[1].splines[0].controlPoints);
  EXPECT_EQ(inSketch.splines[0].knots, sketches[1].splines[0].knots);
  expectHeldBetweenEvents(false);
}

TEST_P(PreviewInSketch, ReadsThePlacementOncePerPreviewFromTheSketchsOwnPointMap) {
  host.editSketch(host.addSketch(GetParam().plane));
  startAndOpenDialog();
  host.resetOperationCalls();
  host.setInputValue(kMaxTValueInputId, 2.0);
  const std::map<std::string, int> calls = host.operationCalls();
  // The sketch's origin and its three unit points.
  EXPECT_EQ(calls.count("Sketch.sketchToModelSpace") ? calls.at("Sketch.sketchToModelSpace") : 0,
            4);
  // Its transform's documented direction disagrees with its common use: it is never asked.
  EXPECT_EQ(calls.count("Sketch.transform"), 0u);
  EXPECT_EQ(calls.count("Matrix3D.asArray"), 0u);
  expectHeldBetweenEvents(true);
}

INSTANTIATE_TEST_SUITE_P(Planes, PreviewInSketch, ::testing::ValuesIn(kPlanes),
                         [](const ::testing::TestParamInfo<PlaneCase>& info) {
                           return std::string(info.param.name);
                         });

class PreviewOutsideSketch : public AddInTest {};

TEST_F(PreviewOutsideSketch, AsksForNoPlacement) {
  host.addSketch(fsim::SketchPlane::Tilted);  // there, but not in edit
  startAndOpenDialog();
  host.resetOperationCalls();
  host.setInputValue(kMaxTValueInputId, 2.0);
  EXPECT_EQ(host.operationCalls().count("Sketch.sketchToModelSpace"), 0u);
  // Two turns end at the sample (1, 0, 2), in model coordinates as computed.
  const auto groups = previewGroups();
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].curves[0].curve.controlPoints.back()[2], 2.0);
  expectHeldBetweenEvents(true);
}

class RefusedPlacement : public AddInTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RefusedPlacement, ShowsTheNullObjectErrorAndDrawsNothing) {
  host.editSketch(host.addSketch(fsim::SketchPlane::Tilted));
  startAndOpenDialog();
  host.failOperation(GetParam(), fsim::FaultMode::Once);
  host.setInputValue(kMaxTValueInputId, 2.0);
  EXPECT_EQ(status(), "Unknown exception");
  EXPECT_TRUE(previewGroups().empty());
  expectHeldBetweenEvents(false);
  // Answered again, the next change brings the preview back.
  host.setInputValue(kMaxTValueInputId, 3.0);
  EXPECT_EQ(status(), "32 spline controls");
  EXPECT_EQ(previewGroups().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Operations, RefusedPlacement,
                         ::testing::Values("Point3D.create", "Sketch.sketchToModelSpace",
                                           "Point3D.getData"));

}  // namespace

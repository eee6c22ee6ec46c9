// OK in the dialog: the spline goes into the sketch in edit or a new XY sketch, it is exactly the
// fitted curve, and failing expressions or a missing design create nothing at all.
#include <iterator>
#include <string>
#include <vector>

#include "AddInTest.h"
#include "curve/fit/fitSplineToSamples.h"
#include "tests/support/SampledCurves.h"

using vintrel::curve::fitSplineToSamples;
using vintrel::curve::sampleCurve;
using vintrel::curve::SampledCurve;
using vintrel::curve::SamplePoints;
using vintrel::curve::SplineFit;
using vintrel::dialog::kMaxTValueInputId;
using vintrel::dialog::kMinTValueInputId;
using vintrel::dialog::kXFunctionInputId;
using vintrel::dialog::kYFunctionInputId;
using vintrel::dialog::kZFunctionInputId;

namespace {

class CurveCreation : public AddInTest {};

TEST_F(CurveCreation, OutsideASketchEachOkMakesANewSketchWithOneSpline) {
  startAndOpenDialog();
  host.confirm();
  EXPECT_FALSE(host.dialogOpen());
  EXPECT_TRUE(previewGroups().empty());
  expectHeldBetweenEvents(false);
  click();
  host.confirm();
  expectHeldBetweenEvents(false);
  const auto sketches = host.sketches();
  ASSERT_EQ(sketches.size(), 2u);
  for (const fsim::SketchInfo& sketch : sketches) {
    EXPECT_EQ(sketch.plane, "XY") << sketch.name;
    EXPECT_TRUE(sketch.createdDuringSession) << sketch.name;
    EXPECT_EQ(sketch.splines.size(), 1u) << sketch.name;
  }
}

TEST_F(CurveCreation, InsideAnEditedSketchAddsTheSplineToIt) {
  const std::string edited = host.addSketch(fsim::SketchPlane::XZ);
  host.editSketch(edited);
  startAndOpenDialog();
  host.confirm();
  click();
  host.confirm();
  const auto sketches = host.sketches();
  ASSERT_EQ(sketches.size(), 1u);
  EXPECT_EQ(sketches[0].name, edited);
  EXPECT_EQ(sketches[0].splines.size(), 2u);
  expectHeldBetweenEvents(false);
}

TEST_F(CurveCreation, TheSplineIsTheFittedCurveThroughTheEndSamples) {
  startAndOpenDialog();
  host.confirm();
  const auto sketches = host.sketches();
  ASSERT_EQ(sketches.size(), 1u);
  ASSERT_EQ(sketches[0].splines.size(), 1u);
  const fsim::NurbsData& spline = sketches[0].splines[0];

  // The dialog's defaults, computed here without the host.
  const SampledCurve curve = curve_testing::sampled("cos(2 * pi * t)", "sin(2 * pi * t)", "t", 3.0);
  const SamplePoints& samples = curve.samples;
  const SplineFit fit = fitSplineToSamples(curve, 0.002);
  const int count = fit.curve->ControlPointCount();
  ASSERT_EQ(count, 32);

  EXPECT_EQ(spline.degree, 3);
  EXPECT_FALSE(spline.rational);
  EXPECT_FALSE(spline.periodic);
  ASSERT_EQ(spline.controlPoints.size(), static_cast<size_t>(count));
  const std::vector<double>& coordinates = fit.curve->ControlCoordinates();
  for (int i = 0; i < count; ++i) {
    for (int j = 0; j < 3; ++j) EXPECT_EQ(spline.controlPoints[i][j], coordinates[3 * i + j]);
  }
  EXPECT_EQ(spline.controlPoints.front(),
            (std::array<double, 3>{samples.front().x, samples.front().y, samples.front().z}));
  EXPECT_EQ(spline.controlPoints.back(),
            (std::array<double, 3>{samples.back().x, samples.back().y, samples.back().z}));
  // Clamped: four zeros, the interior knots of the fit, four ones.
  ASSERT_EQ(spline.knots.size(), static_cast<size_t>(count + 4));
  EXPECT_EQ(spline.knots, fit.curve->Basis().KnotVector());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(spline.knots[i], 0.0);
    EXPECT_EQ(spline.knots[count + i], 1.0);
  }
}

// A coil of 200 turns becomes one spline of 2048 controls, a circle one that ends at the control
// point it starts from, each exactly the fitted curve.
TEST_F(CurveCreation, LongAndClosedCurvesBecomeOneSplineEach) {
  struct Case {
    const char* x;
    const char* y;
    const char* z;
    double tEnd;
    std::size_t controls;
  };
  const Case cases[] = {{"cos(2 * pi * t)", "sin(2 * pi * t)", "0.1 * t", 200.0, 2048},
                        {"cos(t)", "sin(t)", "0", 6.283185307179586, 11}};
  startAndOpenDialog();
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    if (i > 0) click();
    host.setInputText(kXFunctionInputId, c.x);
    host.setInputText(kYFunctionInputId, c.y);
    host.setInputText(kZFunctionInputId, c.z);
    host.setInputValue(kMaxTValueInputId, c.tEnd);
    host.confirm();
    const auto sketches = host.sketches();
    ASSERT_EQ(sketches.size(), i + 1) << c.x;
    ASSERT_EQ(sketches[i].splines.size(), 1u);
    const fsim::NurbsData& spline = sketches[i].splines[0];
    const SampledCurve curve = sampleCurve({0.0, c.tEnd, c.x, c.y, c.z}, curve_testing::kPi);
    const SplineFit fit = fitSplineToSamples(curve, 0.002);
    ASSERT_EQ(spline.controlPoints.size(), c.controls) << c.x;
    const std::vector<double>& coordinates = fit.curve->ControlCoordinates();
    for (std::size_t k = 0; k < c.controls; ++k) {
      for (int j = 0; j < 3; ++j) ASSERT_EQ(spline.controlPoints[k][j], coordinates[3 * k + j]);
    }
    EXPECT_EQ(spline.knots, fit.curve->Basis().KnotVector());
    EXPECT_EQ(spline.controlPoints.front() == spline.controlPoints.back(), fit.closed) << c.x;
    expectHeldBetweenEvents(false);
  }
}

/// An input ID and the text the user types into it.
using Edit = std::pair<std::string, std::string>;

class FailedCreation : public AddInTest, public ::testing::WithParamInterface<Edit> {};

TEST_P(FailedCreation, CreatesNoSketchAndNoSpline) {
  startAndOpenDialog();
  host.setInputValue(kMaxTValueInputId, 1.0);
  host.setInputText(GetParam().first, GetParam().second);
  host.confirm();
  EXPECT_TRUE(host.sketches().empty());
  EXPECT_TRUE(host.messageBoxes().empty());
  expectHeldBetweenEvents(false);
}

INSTANTIATE_TEST_SUITE_P(Expressions, FailedCreation,
                         ::testing::Values(Edit{kXFunctionInputId, "cos("},
                                           Edit{kZFunctionInputId, "undefinedName"},
                                           Edit{kYFunctionInputId, "1 / (t - 1)"},
                                           Edit{kXFunctionInputId, "ln(t)"}));

TEST_F(CurveCreation, AFormulaNamingATextParameterCreatesNothing) {
  host.addUserParameter("radius", 2.0);
  host.addTextParameter("label", "spring");
  startAndOpenDialog();
  enterStraightSegment();
  host.setInputText("xFunctionInput_", "radius * t");
  host.confirm();
  ASSERT_EQ(host.sketches().size(), 1u);
  click();
  enterStraightSegment();
  host.setInputText("xFunctionInput_", "label * t");
  host.confirm();
  const auto sketches = host.sketches();
  ASSERT_EQ(sketches.size(), 1u);
  EXPECT_EQ(sketches[0].splines.size(), 1u);
  EXPECT_TRUE(host.messageBoxes().empty());
  expectHeldBetweenEvents(false);
}

TEST_F(CurveCreation, WithoutADesignCreatesNothingAndSaysNothing) {
  startAndOpenDialog();
  host.setActiveProduct(fsim::ActiveProduct::OtherProduct);
  host.confirm();
  host.setActiveProduct(fsim::ActiveProduct::Design);
  EXPECT_TRUE(host.sketches().empty());
  EXPECT_TRUE(host.messageBoxes().empty());
  expectHeldBetweenEvents(false);
}

TEST_F(CurveCreation, AnEndBelowTheStartRunsTheCurveBackwards) {
  startAndOpenDialog();
  enterStraightSegment();
  host.setInputValue(kMinTValueInputId, 5.0);
  host.confirm();
  const auto sketches = host.sketches();
  ASSERT_EQ(sketches.size(), 1u);
  ASSERT_EQ(sketches[0].splines.size(), 1u);
  const auto& points = sketches[0].splines[0].controlPoints;
  // x = t from t = 5 down to t = 1: the values are read as entered, not swapped.
  EXPECT_EQ(points.front(), (std::array<double, 3>{5, 0, 0}));
  EXPECT_EQ(points.back(), (std::array<double, 3>{1, 0, 0}));
}

// t from 3 to 3 is one point of the helix: its control points would lie on top of each other,
// which the host refuses or keeps as junk.
TEST_F(CurveCreation, EqualStartAndEndCreateNothing) {
  startAndOpenDialog();
  host.setInputValue(kMinTValueInputId, 3.0);
  EXPECT_EQ(status(),
            "The t range is empty: Starting t Value and Ending t Value are both 3; give them "
            "different values");
  EXPECT_TRUE(previewGroups().empty());
  host.confirm();
  EXPECT_TRUE(host.sketches().empty());
  expectHeldBetweenEvents(false);
}

}  // namespace

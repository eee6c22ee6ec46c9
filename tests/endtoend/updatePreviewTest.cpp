// The live preview as the user drives it: one preview group per change, the count of spline
// controls, errors in the text box with nothing drawn, design parameters in expressions, and the
// truthful status when even the cap of controls misses the tolerance.
#include <ostream>
#include <string>

#include "AddInTest.h"
#include "curve/fit/fitSplineToSamples.h"
#include "curve/measure/largestDeviation.h"
#include "curve/status/FitStatus.h"
#include "tests/support/SampledCurves.h"

using vintrel::curve::fitSplineToSamples;
using vintrel::curve::FitStatus;
using vintrel::curve::kMostControls;
using vintrel::curve::largestDeviation;
using vintrel::curve::SampledCurve;
using vintrel::curve::SplineFit;
using vintrel::curve::statusText;
using vintrel::dialog::kMaxTValueInputId;
using vintrel::dialog::kMinTValueInputId;
using vintrel::dialog::kXFunctionInputId;
using vintrel::dialog::kYFunctionInputId;
using vintrel::dialog::kZFunctionInputId;

namespace {

class Preview : public AddInTest {
 protected:
  /// Types x "t", y `y`, z "0", t from 0 to 1 into the dialog and returns that curve's samples,
  /// midpoints and probes, taken here without the host.
  SampledCurve enterWave(const std::string& y) { return enterCurve("t", y); }

  /// The same with x `x`.
  SampledCurve enterCurve(const std::string& x, const std::string& y) {
    host.setInputText(kXFunctionInputId, x);
    host.setInputText(kYFunctionInputId, y);
    host.setInputText(kZFunctionInputId, "0");
    host.setInputValue(kMaxTValueInputId, 1.0);
    return curve_testing::sampled(x, y, "0");
  }
};

TEST_F(Preview, EveryInputChangeRedrawsExactlyOneGroup) {
  startAndOpenDialog();
  const std::pair<const char*, const char*> edits[] = {
      {kXFunctionInputId, "2 * cos(2 * pi * t)"},
      {kZFunctionInputId, "0.5 * t"},
      {kYFunctionInputId, "sin(2 * pi * t) * 2"},
  };
  for (const auto& [id, text] : edits) {
    host.setInputText(id, text);
    EXPECT_EQ(previewGroups().size(), 1u) << id;
    expectHeldBetweenEvents(true);
  }
  host.setInputValue(kMinTValueInputId, 1.0);
  EXPECT_EQ(previewGroups().size(), 1u);
  EXPECT_EQ(host.graphicsGroups().size(), 1u);
  expectHeldBetweenEvents(true);
}

TEST_F(Preview, StraightSegmentNeedsFourControls) {
  startAndOpenDialog();
  enterStraightSegment();
  EXPECT_EQ(status(), "4 spline controls");
  const auto groups = previewGroups();
  ASSERT_EQ(groups.size(), 1u);
  ASSERT_EQ(groups[0].curves.size(), 1u);
  // Four controls on the segment from (0, 0, 0) to (1, 0, 0), with clamped knots.
  EXPECT_EQ(groups[0].curves[0].curve.knots, (std::vector<double>{0, 0, 0, 0, 1, 1, 1, 1}));
  expectHeldBetweenEvents(true);
}

struct FailingInput {
  const char* id;
  const char* text;
  const char* message;  // the start of the text box's text
};

void PrintTo(const FailingInput& input, std::ostream* out) {
  *out << input.id << " = \"" << input.text << '"';
}

class PreviewError : public AddInTest, public ::testing::WithParamInterface<FailingInput> {};

TEST_P(PreviewError, ShowsTheMessageAndDrawsNothing) {
  startAndOpenDialog();
  host.setInputValue(kMaxTValueInputId, 1.0);
  host.setInputText(GetParam().id, GetParam().text);
  EXPECT_EQ(status().rfind(GetParam().message, 0), 0u) << status();
  EXPECT_TRUE(previewGroups().empty());
  expectHeldBetweenEvents(false);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PreviewError,
    ::testing::Values(
        FailingInput{kXFunctionInputId, "cos(", "x(t): "},
        FailingInput{kYFunctionInputId, "2 * * t", "y(t): "},
        FailingInput{kZFunctionInputId, "radius * t",
                     "z(t): \"radius\" is not a parameter of this design "
                     "(nor t, pi or a function)"},
        FailingInput{kXFunctionInputId, "sin t",
                     "x(t): \"sin\" is a function without parentheses: "
                     "write sin(t)"},
        // 1 / (t - 1) is infinite at the end of t's range.
        FailingInput{kYFunctionInputId, "1 / (t - 1)", "y(t) is not a finite number at t = 1"},
        FailingInput{kXFunctionInputId, "sqrt(t - 0.5)", "x(t) is not a finite number at t = 0"},
        // The pole at 0.3 lies between samples; the search for jumps meets it.
        FailingInput{kYFunctionInputId, "1 / (t - 0.3)", "y(t) is not a finite number at t = 0.3"},
        FailingInput{kXFunctionInputId, "t < 0.5 ? t : t + 1",
                     "x(t) jumps near t = 0.5 (from 0.5 to 1.5): a spline "
                     "cannot follow a jump; split the range there"}));

// The t inputs are the host's value inputs: what they evaluate is t, and what they cannot is an
// error, never their last valid value.
TEST_F(Preview, TValuesAreWhatTheValueInputsEvaluate) {
  host.addUserParameter("turns", 2.0);
  startAndOpenDialog();
  host.setInputExpression(kMaxTValueInputId, "turns / 2");
  EXPECT_EQ(status(), "16 spline controls");  // one turn of the default helix
  host.setInputExpression(kMaxTValueInputId, "turns * 2 * pi");
  const std::string count = status();
  EXPECT_NE(count.find(" spline controls"), std::string::npos) << count;
  host.setInputExpression(kMaxTValueInputId, "turns *");
  EXPECT_EQ(status(),
            "Ending t Value is not a valid expression: type a number, or an expression of numbers, "
            "pi and the design's parameters, such as 2 * pi");
  EXPECT_TRUE(previewGroups().empty());
  expectHeldBetweenEvents(false);
  // The start is checked as well, and first.
  host.setInputExpression(kMinTValueInputId, "tunrs");
  EXPECT_EQ(status().rfind("Starting t Value is not a valid expression: ", 0), 0u) << status();
  host.setInputExpression(kMinTValueInputId, "0");
  host.setInputExpression(kMaxTValueInputId, "4 * pi * turns / 2");
  EXPECT_EQ(status(), count);
  EXPECT_EQ(previewGroups().size(), 1u);
  host.setInputExpression(kMaxTValueInputId, "pi +");
  host.confirm();
  EXPECT_TRUE(host.sketches().empty());  // OK creates nothing while the error shows
}

TEST_F(Preview, AFixedExpressionBringsThePreviewBack) {
  startAndOpenDialog();
  host.setInputText(kXFunctionInputId, "cos(");
  ASSERT_TRUE(previewGroups().empty());
  host.setInputText(kXFunctionInputId, "cos(2 * pi * t)");
  EXPECT_EQ(status(), "32 spline controls");
  EXPECT_EQ(previewGroups().size(), 1u);
  expectHeldBetweenEvents(true);
}

TEST_F(Preview, UsesDesignParametersByName) {
  host.addUserParameter("radius", 2.0);
  host.addModelParameter("d1", 0.5);
  startAndOpenDialog();
  host.setInputText(kXFunctionInputId, "radius * cos(2 * pi * t)");
  host.setInputText(kZFunctionInputId, "d1 * t");
  const auto groups = previewGroups();
  ASSERT_EQ(groups.size(), 1u);
  const auto& points = groups[0].curves[0].curve.controlPoints;
  ASSERT_FALSE(points.empty());
  // The ends are the samples at t = 0 and t = 3: (radius, 0, 0) and (radius, ~0, 3 * d1).
  EXPECT_EQ(points.front()[0], 2.0);
  EXPECT_EQ(points.front()[2], 0.0);
  EXPECT_NEAR(points.back()[0], 2.0, 1e-12);
  EXPECT_EQ(points.back()[2], 1.5);
  expectHeldBetweenEvents(true);
}

TEST_F(Preview, AParameterNamedPiReplacesTheConstant) {
  host.addUserParameter("pi", 0.0);
  startAndOpenDialog();
  // With pi = 0 the default helix is the segment x = 1, y = 0, z = t: four controls suffice.
  EXPECT_EQ(status(),
            "4 spline controls\nThe design parameter \"pi\" (0) replaces the constant pi in the "
            "formulas; rename it to keep pi = 3.141593.");
  expectHeldBetweenEvents(true);
}

// A text parameter has no number: left out of the formulas' names, never read as 0.
TEST_F(Preview, TextParametersAreNoNamesOfTheFormulas) {
  host.addUserParameter("radius", 2.0);
  host.addTextParameter("label", "spring");
  host.addTextParameter("pi", "not a number");
  startAndOpenDialog();
  // pi read as 0 would flatten the default helix to a segment of four controls.
  EXPECT_EQ(status(), "32 spline controls");
  enterStraightSegment();
  host.setInputText("xFunctionInput_", "radius * t");
  ASSERT_EQ(status(), "4 spline controls");
  // The segment from (0, 0, 0) to (radius, 0, 0): its last control is its end sample.
  EXPECT_EQ(previewGroups().at(0).curves.at(0).curve.controlPoints.back()[0], 2.0);
  host.setInputText("xFunctionInput_", "label * t");
  EXPECT_EQ(status(),
            "x(t): \"label\" is not a parameter of this design (nor t, pi or a function)");
  EXPECT_TRUE(previewGroups().empty());
  expectHeldBetweenEvents(false);
}

TEST_F(Preview, ADesignParameterNamedTIsHiddenByTheVariable) {
  host.addUserParameter("t", 1.0);
  startAndOpenDialog();
  // Were t the constant 1, the helix would collapse to one point; as the variable it is the helix.
  EXPECT_EQ(status(),
            "32 spline controls\nThe design parameter \"t\" is hidden by the curve's t; rename it "
            "to use it in a formula.");
  EXPECT_EQ(previewGroups().size(), 1u);
  expectHeldBetweenEvents(true);
}

TEST_F(Preview, WithoutADesignShowsTheNullObjectErrorAndNoPreview) {
  startAndOpenDialog();
  ASSERT_EQ(previewGroups().size(), 1u);
  for (auto product : {fsim::ActiveProduct::OtherProduct, fsim::ActiveProduct::None}) {
    host.setActiveProduct(product);
    host.setInputText(kZFunctionInputId, "2 * t");
    EXPECT_EQ(status(), "Unknown exception");
    expectHeldBetweenEvents(false);
  }
  // The preview manager looks for its group in the active design only, so the group drawn
  // before the switch stays in the design it was drawn in; the next preview adds its own.
  host.setActiveProduct(fsim::ActiveProduct::Design);
  EXPECT_EQ(previewGroups().size(), 1u);
  host.setInputText(kZFunctionInputId, "t");
  EXPECT_EQ(status(), "32 spline controls");
  EXPECT_EQ(previewGroups().size(), 2u);
  expectHeldBetweenEvents(true);
}

TEST_F(Preview, ToleranceMissedAtTheCapSaysSoWithTheTrueDeviation) {
  startAndOpenDialog();
  // 3183 periods over t in [0, 1] are far too many even for the cap of controls.
  const SampledCurve samples = enterWave("0.1 * sin(20000 * t)");
  const SplineFit fit = fitSplineToSamples(samples, 0.002);
  ASSERT_FALSE(fit.toleranceMet);
  const double deviation = largestDeviation(*fit.curve, *fit.finerPoints);
  ASSERT_GT(deviation, 0.002);
  EXPECT_EQ(status(),
            statusText(FitStatus{kMostControls, deviation, false, std::nullopt}, 0.002, "cm"));
  EXPECT_EQ(
      status().rfind("4096 spline controls (tolerance 0.002 cm not met: largest deviation ", 0),
      0u);
  // The curve is drawn all the same: users want a curve.
  ASSERT_EQ(previewGroups().size(), 1u);
  EXPECT_EQ(previewGroups()[0].curves[0].curve.controlPoints.size(), 4096u);
  expectHeldBetweenEvents(true);
}

// Every sample of these waves falls on a zero of the sine and every midpoint on a crest 0.5 away:
// the samples alone are a line that 4 controls would meet. The finer samples see the wave, 1024
// periods, which the cap follows with four controls a period, not within the tolerance.
TEST_F(Preview, AnAliasedWaveRunsToTheCapAndSaysItMisses) {
  startAndOpenDialog();
  enterWave("0.5 * sin(2 * pi * 1024 * t)");
  EXPECT_EQ(status(),
            "4096 spline controls (tolerance 0.002 cm not met: largest deviation 0.00772 cm)");
  ASSERT_EQ(previewGroups().size(), 1u);
  EXPECT_EQ(previewGroups()[0].curves[0].curve.controlPoints.size(), 4096u);
}

// A line run through from x = -320 to 0 with nearly all of it in the first 1/2048 of t: every
// formula point lies on the spline, but the spline rings past the line's end at x = 0, 48 cm
// beyond the formula's curve; the status says so instead of the plain count.
TEST_F(Preview, ASplineThatStraysPastTheFormulaSaysSoThoughEveryFormulaPointLiesOnIt) {
  startAndOpenDialog();
  const SampledCurve samples = enterCurve("log10(t + 1e-320)", "0");
  const SplineFit fit = fitSplineToSamples(samples, 0.002);
  ASSERT_FALSE(fit.toleranceMet);
  ASSERT_LE(largestDeviation(*fit.curve, *fit.finerPoints), 0.002);
  EXPECT_EQ(status(),
            "4096 spline controls (tolerance 0.002 cm not met: largest deviation 47.8 cm)");
  expectHeldBetweenEvents(true);
}

}  // namespace

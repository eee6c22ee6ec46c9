// The dialog under input meant to break it: expressions of a megabyte or nested ten thousand
// deep, functions at the edges of their domains, assignments to t, names in any script, odd or
// thousands of design parameters, and t values no sampling can use. Every case must end in a
// count or a message the user can act on, with nothing drawn or created on a message.
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "AddInTest.h"

using vintrel::dialog::kMaxTValueInputId;
using vintrel::dialog::kMinTValueInputId;
using vintrel::dialog::kXFunctionInputId;
using vintrel::dialog::kYFunctionInputId;
using vintrel::dialog::kZFunctionInputId;

namespace {

class HostileInput : public AddInTest {
 protected:
  /// Opens the dialog on the segment x "t", y "0", z "0", t 0 to 1.
  void openOnSegment() {
    startAndOpenDialog();
    enterStraightSegment();
  }
  /// A message in the text box: no preview, and OK creates nothing.
  void expectMessageAndNothingCreatedOnOk(const std::string& message) {
    EXPECT_EQ(status(), message);
    EXPECT_TRUE(previewGroups().empty());
    expectHeldBetweenEvents(false);
    host.confirm();
    EXPECT_TRUE(host.sketches().empty());
    expectHeldBetweenEvents(false);
  }
  std::vector<std::array<double, 3>> previewControls() const {
    const auto groups = previewGroups();
    if (groups.size() != 1 || groups[0].curves.size() != 1) return {};
    return groups[0].curves[0].curve.controlPoints;
  }
};

std::string nested(int depth) { return std::string(depth, '(') + "t" + std::string(depth, ')'); }

TEST_F(HostileInput, ExpressionsOfAMegabyteOrTenThousandDeepAreRefusedAsTooLong) {
  std::string megabyte = "t";
  while (megabyte.size() < (1u << 20)) megabyte += " + t";
  for (const std::string& text : {megabyte, nested(10000)}) {
    openOnSegment();
    host.setInputText(kXFunctionInputId, text);
    expectMessageAndNothingCreatedOnOk(
        "x(t): the formula is longer than the 20000 characters the parser takes; shorten it, for "
        "instance with design parameters");
  }
}

TEST_F(HostileInput, NestingJustShortOfTheLengthLimitStillDrawsTheCurve) {
  openOnSegment();
  host.setInputText(kZFunctionInputId, nested(9999));  // 19999 characters
  // z = t beside x = t: a straight segment again.
  EXPECT_EQ(status(), "4 spline controls");
  EXPECT_EQ(previewGroups().size(), 1u);
}

// x is each expression, y and z 0, t from 0 to 1. The expected texts come from the functions'
// domains: the first t of the 2049 where the value is not finite is named.
TEST_F(HostileInput, FunctionsAtTheEdgesOfTheirDomainsGiveACountOrNameTheT) {
  struct Case {
    const char* x;
    const char* status;
  };
  const std::vector<Case> cases = {
      {"sqrt(t)", "4 spline controls"},  // sqrt(0) = 0 is fine
      {"sqrt(t - 1e-300)", "x(t) is not a finite number at t = 0"},
      {"ln(t)", "x(t) is not a finite number at t = 0"},
      // a denormal argument is still finite; the line from x = -320 to 0 is run through so
      // unevenly that no fit's own points follow it, while the spline lies on it
      // the spline rings past the line's end at x = 0, 48 cm beyond the formula's curve
      {"log10(t + 1e-320)",
       "4096 spline controls (tolerance 0.002 cm not met: largest deviation 47.8 cm)"},
      {"asin(t)", "4 spline controls"},
      {"acos(2 * t - 1)", "4 spline controls"},
      {"atanh(t)", "x(t) is not a finite number at t = 1"},
      {"acosh(1 + t)", "4 spline controls"},
      {"exp(710 * t)", "x(t) is not a finite number at t = 1"},  // e^710 > largest double
      // the first sample past t = 0 of a negative base with a fractional exponent
      {"(-t)^(1/3)", "x(t) is not a finite number at t = 0.00048828125"},
      {"t^-1", "x(t) is not a finite number at t = 0"},
      // 0^0 is 1, 0^t for t > 0 is 0: the curve leaves an isolated point behind at t = 0
      {"0^t",
       "x(t) jumps near t = 0 (from 1 to 0): a spline cannot follow a jump; split the range "
       "there"},
      // 1e308 * (t + 1) passes the largest double at t = 0.797851..., sample 1634
      {"1e308 * (t + 1)", "x(t) is not a finite number at t = 0.7978515625"},
      {"sum(1e308, 1e308 * t)", "x(t) is not a finite number at t = 0.7978515625"},
      {"min(1e308, t)", "4 spline controls"},
      {"t == 1 ? 1 / 0 : t", "x(t) is not a finite number at t = 1"},
      {"t * (t >= 0 && t <= 1)", "4 spline controls"},
      {"t + 1e-320 * t", "4 spline controls"},  // denormals are finite too
      {"exp(709 * t)",
       "The curve is too large to fit: a coordinate reaches 8.218407461554972e+307; keep "
       "coordinates within 1e300."},
  };
  startAndOpenDialog();
  enterStraightSegment();
  for (const Case& c : cases) {
    host.setInputText(kXFunctionInputId, c.x);
    EXPECT_EQ(status(), c.status) << c.x;
    EXPECT_EQ(previewGroups().size(),
              status().find("spline controls") != std::string::npos ? 1u : 0u)
        << c.x;
  }
}

// muparser lets an expression assign to a variable. x's "t = 2" must not move the t that y sees.
TEST_F(HostileInput, AnAssignmentToTStaysInsideItsExpression) {
  openOnSegment();
  host.setInputText(kXFunctionInputId, "t = 2");
  host.setInputText(kYFunctionInputId, "t");
  ASSERT_EQ(status(), "4 spline controls");
  const auto controls = previewControls();
  ASSERT_EQ(controls.size(), 4u);
  // The segment from (2, 0, 0) to (2, 1, 0): the fit's end controls are its end samples.
  EXPECT_EQ(controls.front()[0], 2.0);
  EXPECT_EQ(controls.front()[1], 0.0);
  EXPECT_EQ(controls.back()[0], 2.0);
  EXPECT_EQ(controls.back()[1], 1.0);
  // A constant cannot be assigned to.
  host.setInputText(kXFunctionInputId, "pi = 3");
  EXPECT_EQ(status(), "x(t): Unexpected operator \"=\" found at position 3");
}

TEST_F(HostileInput, ParameterNamesOfUnicodeLettersWork) {
  host.addUserParameter("länge", 2.0);
  host.addUserParameter("Ø", 0.5);
  openOnSegment();
  host.setInputText(kXFunctionInputId, "länge * t");
  host.setInputText(kYFunctionInputId, "Ø * t");
  ASSERT_EQ(status(), "4 spline controls");
  EXPECT_EQ(previewControls().back()[0], 2.0);
  EXPECT_EQ(previewControls().back()[1], 0.5);
  // A name that is no parameter is quoted whole, not cut inside a character.
  host.setInputText(kXFunctionInputId, "2 * π * t");
  EXPECT_EQ(status(), "x(t): \"π\" at position 4 is the Greek letter pi; write pi instead");
  host.setInputText(kXFunctionInputId, "länge * t * Ä");
  EXPECT_EQ(status(), "x(t): \"Ä\" is not a parameter of this design (nor t, pi or a function)");
}

// A parameter named "t" is hidden by the variable (and the status says so), "" and "a b" cannot be
// names in a formula; none of them may block a curve that does not use them.
TEST_F(HostileInput, OddParameterNamesBlockNoCurve) {
  for (const char* name : {"t", "", "a b"}) host.addUserParameter(name, 5.0);
  startAndOpenDialog();
  EXPECT_EQ(status(),
            "32 spline controls\nThe design parameter \"t\" is hidden by the curve's t; rename it "
            "to use it in a formula.");
  host.setInputText(kXFunctionInputId, "a b");
  EXPECT_EQ(status(), "x(t): \"a\" is not a parameter of this design (nor t, pi or a function)");
}

TEST_F(HostileInput, ThousandsOfParametersAreAllUsable) {
  constexpr int kCount = 5000;
  for (int i = 0; i < kCount; ++i) host.addUserParameter("p" + std::to_string(i), i);
  openOnSegment();
  host.setInputText(kXFunctionInputId, "p4999 * t + p1 * 0");
  ASSERT_EQ(status(), "4 spline controls");
  EXPECT_EQ(previewControls().back()[0], 4999.0);
}

TEST_F(HostileInput, TValuesNoSamplingCanUseAreNamed) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double tStart, tEnd;
    const char* message;
  };
  const std::vector<Case> cases = {
      {-1e308, 1e308,
       "The t range from -1e+308 to 1e+308 is too wide to sample; choose closer ends."},
      {std::nan(""), 1.0, "Starting t Value is not a finite number: nan"},
      {0.0, inf, "Ending t Value is not a finite number: inf"},
      {-inf, 0.0, "Starting t Value is not a finite number: -inf"},
  };
  for (const Case& c : cases) {
    openOnSegment();
    host.setInputValue(kMinTValueInputId, c.tStart);
    host.setInputValue(kMaxTValueInputId, c.tEnd);
    expectMessageAndNothingCreatedOnOk(c.message);
  }
}

}  // namespace

// A host that raises execute twice for one OK: each execute stands on its own and adds the same
// spline again (the add-in keeps nothing per command to tell them apart); nothing crashes, the
// preview is gone, and nothing stays held.
TEST_F(HostileInput, OkRaisedTwiceAddsTheSameSplineTwice) {
  const std::string edited = host.addSketch(fsim::SketchPlane::XY);
  host.editSketch(edited);
  openOnSegment();
  host.confirmWithExecuteTwice();
  EXPECT_FALSE(host.dialogOpen());
  EXPECT_TRUE(previewGroups().empty());
  expectHeldBetweenEvents(false);
  const auto sketches = host.sketches();
  ASSERT_EQ(sketches.size(), 1u);
  ASSERT_EQ(sketches[0].splines.size(), 2u);
  EXPECT_EQ(sketches[0].splines[0].controlPoints, sketches[0].splines[1].controlPoints);
}

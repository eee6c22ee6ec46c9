// The fuzz targets trust this classifier to tell the dialog's promised outcomes from anything
// else, so its borders are tested: counts that are no fit, notes where none may be, messages
// that only look like the promised ones.
#include "tests/fuzz/DialogStatus.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Kind = DialogStatus::Kind;

// Open curves get 4, 8, ..., 4096 controls, closed ones 3 more (7, 11, ..., 4099) and say so.
TEST(DialogStatus, FitCountsArePowersOfTwoFromFourToTheCapAndThreeMoreWhenClosed) {
  for (int n = 4; n <= 4096; n *= 2) {
    const DialogStatus status = classifyStatus(std::to_string(n) + " spline controls");
    EXPECT_EQ(status.kind, Kind::Fit) << n;
    EXPECT_EQ(status.controlCount, n);
    EXPECT_FALSE(status.closed);
    EXPECT_FALSE(status.toleranceNote);
    const DialogStatus closed = classifyStatus(std::to_string(n + 3) + " spline controls, closed");
    EXPECT_EQ(closed.kind, Kind::Fit) << n + 3;
    EXPECT_EQ(closed.controlCount, n + 3);
    EXPECT_TRUE(closed.closed);
  }
  for (const char* text :
       {"0 spline controls", "1 spline controls", "2 spline controls", "12 spline controls",
        "8192 spline controls", "04 spline controls", "-4 spline controls", "4 spline control",
        "4 spline controls ", " 4 spline controls", "7 spline controls",
        "8 spline controls, closed", "4100 spline controls, closed", "11 spline controls,closed",
        "11 spline controls, open"}) {
    EXPECT_EQ(classifyStatus(text).kind, Kind::Unclear) << text;
  }
}

TEST(DialogStatus, ToleranceNoteOnlyAtTheCapWithAFiniteDeviationAboveTheTolerance) {
  const DialogStatus status = classifyStatus(
      "4096 spline controls (tolerance 0.002 cm not met: largest deviation 0.00512 cm)");
  EXPECT_EQ(status.kind, Kind::Fit);
  EXPECT_TRUE(status.toleranceNote);
  EXPECT_DOUBLE_EQ(status.largestDeviation, 0.00512);
  EXPECT_EQ(classifyStatus("4096 spline controls (tolerance 0.002 cm not met: largest deviation "
                           "1.23e+03 cm)")
                .kind,
            Kind::Fit);
  EXPECT_EQ(classifyStatus("4099 spline controls, closed (tolerance 0.002 cm not met: largest "
                           "deviation 0.0100 cm)")
                .kind,
            Kind::Fit);
  for (const char* text :
       {"128 spline controls (tolerance 0.002 cm not met: largest deviation 0.00512 cm)",
        "4099 spline controls (tolerance 0.002 cm not met: largest deviation 0.00512 cm)",
        "4096 spline controls, closed (tolerance 0.002 cm not met: largest deviation 0.001 cm)",
        "4096 spline controls (tolerance 0.002 not met: largest deviation 0.00100)",
        "4096 spline controls (tolerance 0.002 not met: largest deviation inf)",
        "4096 spline controls (tolerance 0.002 not met: largest deviation nan)",
        "4096 spline controls (tolerance 0.002 not met: largest deviation )",
        "4096 spline controls (tolerance 0.006 cm not met: largest deviation 0.00512 cm)"}) {
    EXPECT_EQ(classifyStatus(text).kind, Kind::Unclear) << text;
  }
}

// A measure cut short gives bounds; "perhaps" exactly where the lower one does not exceed 0.002.
TEST(DialogStatus, ToleranceNoteOfAMeasureCutShortGivesBothBounds) {
  const DialogStatus sure = classifyStatus(
      "4096 spline controls (tolerance 0.002 cm not met: largest deviation 0.357 to 1.58 cm)");
  EXPECT_EQ(sure.kind, Kind::Fit);
  EXPECT_DOUBLE_EQ(sure.largestDeviation, 0.357);
  EXPECT_DOUBLE_EQ(sure.deviationUpTo, 1.58);
  EXPECT_EQ(classifyStatus("4099 spline controls, closed (tolerance 0.002 cm perhaps not met: "
                           "largest deviation 3.82e-06 to 0.0108 cm)")
                .kind,
            Kind::Fit);
  for (const char* text : {
           "4096 spline controls (tolerance 0.002 cm perhaps not met: largest deviation 0.357 cm)",
           "4096 spline controls (tolerance 0.002 cm perhaps not met: largest deviation 0.357 to "
           "1.58 cm)",
           "4096 spline controls (tolerance 0.002 cm not met: largest deviation 0.00100 to 1.58 "
           "cm)",
           "4096 spline controls (tolerance 0.002 cm not met: largest deviation 1.58 to 0.357 cm)",
           "4096 spline controls (tolerance 0.002 cm perhaps not met: largest deviation 0.00100 to "
           "0.00150 cm)",
           "4096 spline controls (tolerance 0.002 cm not met: largest deviation 0.357 to inf cm)",
           "4096 spline controls (tolerance 0.002 cm not met: largest deviation 0.357 to cm)",
           "128 spline controls (tolerance 0.002 cm not met: largest deviation 0.357 to 1.58 cm)",
       }) {
    EXPECT_EQ(classifyStatus(text).kind, Kind::Unclear) << text;
  }
}

TEST(DialogStatus, AFitMayCarryNotesOnHiddenParametersOnly) {
  const std::string hiddenT =
      "The design parameter \"t\" is hidden by the curve's t; rename it to use it in a formula.";
  const std::string replacedPi =
      "The design parameter \"pi\" (3) replaces the constant pi in the formulas; rename it to "
      "keep pi = 3.141593.";
  const DialogStatus both = classifyStatus("32 spline controls\n" + replacedPi + "\n" + hiddenT);
  EXPECT_EQ(both.kind, Kind::Fit);
  EXPECT_EQ(both.controlCount, 32);
  EXPECT_EQ(both.parameterNotes, 2);
  EXPECT_EQ(classifyStatus("4 spline controls\n" + hiddenT).parameterNotes, 1);
  for (const std::string& text :
       {std::string("4 spline controls\n"), "4 spline controls\n" + hiddenT + "\n" + hiddenT,
        "4 spline controls\n" + hiddenT + "\n" + replacedPi, std::string("4 spline controls\nmore"),
        "x(t): Missing parenthesis\n" + hiddenT, "12 spline controls\n" + hiddenT}) {
    EXPECT_EQ(classifyStatus(text).kind, Kind::Unclear) << text;
  }
}

TEST(DialogStatus, ErrorMessagesNameACoordinate) {
  EXPECT_EQ(classifyStatus("x(t): Unexpected end of expression at position 4").kind,
            Kind::ExpressionError);
  EXPECT_EQ(classifyStatus("z(t): ?").kind, Kind::ExpressionError);
  EXPECT_EQ(classifyStatus("y(t) is not a finite number at t = 0.5").kind, Kind::NotFinite);
  EXPECT_EQ(classifyStatus("x(t) is not a finite number at t = -nan").kind, Kind::NotFinite);
  EXPECT_EQ(classifyStatus("Starting t Value is not a finite number: nan").kind, Kind::BadRange);
  EXPECT_EQ(classifyStatus("Ending t Value is not a finite number: -inf").kind, Kind::BadRange);
  EXPECT_EQ(classifyStatus("The t range from -1e+308 to 1e+308 is too wide to sample; choose "
                           "closer ends.")
                .kind,
            Kind::BadRange);
  EXPECT_EQ(classifyStatus("The curve is too large to fit: a coordinate reaches 1e+308; keep "
                           "coordinates within 1e300.")
                .kind,
            Kind::TooLarge);
  EXPECT_EQ(classifyStatus("Unknown exception").kind, Kind::NullObject);
  EXPECT_EQ(classifyStatus("y(t) jumps near t = 3.141593 (from 3.141593 to -3.141593): a spline "
                           "cannot follow a jump; split the range there")
                .kind,
            Kind::Jump);
  EXPECT_EQ(classifyStatus("The curve is a single point (1, -2.5e-05, 0): give x(t), y(t) or z(t) "
                           "a term in t, or widen the t range")
                .kind,
            Kind::SinglePoint);
  EXPECT_EQ(classifyStatus("The curve stays within 0.002 cm of one point (0.0009, 0, 0), too "
                           "small for a spline to follow: make it larger or widen the t range")
                .kind,
            Kind::SinglePoint);
  EXPECT_EQ(classifyStatus("The t range is empty: Starting t Value and Ending t Value are both 3; "
                           "give them different values")
                .kind,
            Kind::BadRange);
  for (const char* text :
       {"x(t): ", "w(t): bad", "x(s): bad", "x(t) is not a finite number at t = ",
        "x(t) is not a finite number at t = 1,5", "", "std::bad_alloc", "Invalid variable index: 1",
        "unknown exception", "Starting t Value is not a finite number: ",
        "The t range from a to b is too wide to sample; choose closer ends.",
        "x(t) jumps near t = 0.5 (from a to 1): a spline cannot follow a jump; split the range "
        "there",
        "The curve is a single point (1, 2): give x(t), y(t) or z(t) a term in t, or widen the t "
        "range"}) {
    EXPECT_EQ(classifyStatus(text).kind, Kind::Unclear) << '"' << text << '"';
  }
}

// Curves in another unit or coordinates speak of them: the unit in the note and the single-point
// message, the formulas' own labels, the curve's x for a jump, and the refused tolerance.
TEST(DialogStatus, StatusesInOtherUnitsAndCoordinates) {
  EXPECT_EQ(classifyStatus("4096 spline controls (tolerance 0.02 mm not met: largest deviation "
                           "0.0378 mm)")
                .kind,
            Kind::Fit);
  EXPECT_EQ(classifyStatus("\xCF\x81(t): Unexpected end of expression at position 4").kind,
            Kind::ExpressionError);
  EXPECT_EQ(classifyStatus("\xCF\x86(t) is not a finite number at t = 0").kind, Kind::NotFinite);
  EXPECT_EQ(classifyStatus("The curve's x jumps near t = 0.5 (from 1 to 2): a spline cannot "
                           "follow a jump; split the range there")
                .kind,
            Kind::Jump);
  EXPECT_EQ(classifyStatus("The curve is a single point (0, 0, 0): give r(t), \xCE\xB8(t) or "
                           "\xCF\x86(t) a term in t, or widen the t range")
                .kind,
            Kind::SinglePoint);
  EXPECT_EQ(classifyStatus("The curve stays within 0.02 mm of one point (0.01, 0, 0), too small "
                           "for a spline to follow: make it larger or widen the t range")
                .kind,
            Kind::SinglePoint);
  EXPECT_EQ(classifyStatus("Tolerance must be a number from 1e-05 to 100 mm; it is 0").kind,
            Kind::ToleranceRefused);
  EXPECT_EQ(
      classifyStatus("Tolerance must be a number from 0.000394 to 3.93e+03 mil; it is 0").kind,
      Kind::ToleranceRefused);
  for (const char* text :
       {"4096 spline controls (tolerance 0.02 mm not met: largest deviation 0.0378 cm)",
        "4096 spline controls (tolerance 0.02 mm not met: largest deviation 0.01 mm)",
        "4096 spline controls (tolerance 0.02 furlong not met: largest deviation 1 furlong)",
        "Tolerance must be a number from 1e-05 to 100 mm; it is ",
        "The curve's w jumps near t = 0.5 (from 1 to 2): a spline cannot follow a jump; split the "
        "range there"}) {
    EXPECT_EQ(classifyStatus(text).kind, Kind::Unclear) << '"' << text << '"';
  }
}

// Definitions name their line; a definition may hide a parameter, which the fit's notes tell.
TEST(DialogStatus, DefinitionsNameTheirLine) {
  EXPECT_EQ(classifyStatus("Definitions, line 2: \"k\" is defined twice").kind,
            Kind::ExpressionError);
  EXPECT_EQ(classifyStatus("Definitions, line 1 (k) is not a finite number at t = 0.5").kind,
            Kind::NotFinite);
  const DialogStatus fit = classifyStatus(
      "32 spline controls\nThe design parameter \"k\" is hidden by the definition "
      "of k; rename one of them to use the parameter.");
  EXPECT_EQ(fit.kind, Kind::Fit);
  EXPECT_EQ(fit.parameterNotes, 1);
  for (const char* text : {"Definitions, line 0: bad", "Definitions, line 2:",
                           "Definitions, line 1 (k) is not a finite number at t = x"}) {
    EXPECT_EQ(classifyStatus(text).kind, Kind::Unclear) << '"' << text << '"';
  }
}

}  // namespace

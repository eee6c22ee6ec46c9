// Sorts the text of the dialog's notification box into the outcomes the add-in may report: a fit
// with its control count, or one of its clear error messages. Both fuzz targets check every
// status they see with it; anything it calls Unclear is a finding.
#pragma once

#include <string>

/// One notification text, taken apart.
struct DialogStatus {
  enum class Kind {
    Fit,               ///< "N spline controls", N one of 4, 8, ..., 4096, or "N spline
                       ///< controls, closed", N one of 7, 11, ..., 4099; maybe with the note
    ExpressionError,   ///< "x(t): <muparser's message>" (or another formula's label), the
                       ///< message not empty
    NotFinite,         ///< "x(t) is not a finite number at t = <number>" (or another label)
    BadRange,          ///< "Starting t Value is not a finite number: <number>" (or Ending),
                       ///< "The t range from <number> to <number> is too wide to sample; ...",
                       ///< or "The t range is empty: ... both <number>; ..."
    TooLarge,          ///< "The curve is too large to fit: a coordinate reaches <number>; ..."
    Jump,              ///< "x(t) jumps near t = <number> (from <number> to <number>): ..." (or
                       ///< y, z, or "The curve's x" ...)
    SinglePoint,       ///< "The curve is a single point (<x>, <y>, <z>): ..." or "The curve
                       ///< stays within <number> <unit> of one point (<x>, <y>, <z>), ..."
    ToleranceRefused,  ///< "Tolerance must be a number from <a> to <b> <unit>; it is <number>"
    NullObject,        ///< "Unknown exception": a host object the add-in needed was missing
    Unclear,           ///< anything else
  };
  Kind kind = Kind::Unclear;
  int controlCount = 0;  ///< Fit only
  bool closed = false;   ///< Fit only: ", closed" after the count
  /// Fit only: " (tolerance T <unit> not met: largest deviation D <unit>)", or from a measure cut
  /// short "... largest deviation D to U <unit>)", "perhaps not met" where D is not above T
  bool toleranceNote = false;
  double largestDeviation = 0;  ///< Fit with the note only: D, finite, above T unless "perhaps"
  double deviationUpTo = 0;     ///< Fit with a cut-short note only: U, finite, above D and T
  int parameterNotes = 0;       ///< Fit only: lines below the count about hidden parameters
};

/// Classifies `text`. The note is accepted only at the cap of controls (kMostControls, and 3 more
/// for a closed curve; smaller fits are only accepted when they meet the tolerance), and only with
/// a finite deviation above the tolerance.
/// A fit may be followed by lines about the design parameters "pi" and "t", each at most once;
/// every other kind is one line.
DialogStatus classifyStatus(const std::string& text);

/// A short name of `kind` for messages.
const char* kindName(DialogStatus::Kind kind);

// Sorts the text of the dialog's notification box into the outcomes the add-in may report: a fit
// with its control count, or one of its clear error messages. Both fuzz targets check every
// status they see with it; anything it calls Unclear is a finding.
#pragma once

#include <string>

/// One notification text, taken apart.
struct DialogStatus {
  enum class Kind {
    Fit,              ///< "N spline controls", N one of 4, 8, ..., 4096, or "N spline
                      ///< controls, closed", N one of 7, 11, ..., 4099; maybe with the note
    ExpressionError,  ///< "x(t): <muparser's message>" (or y, z), the message not empty
    NotFinite,        ///< "x(t) is not a finite number at t = <number>" (or y, z)
    BadRange,         ///< "Starting t Value is not a finite number: <number>" (or Ending),
                      ///< "The t range from <number> to <number> is too wide to sample; ...",
                      ///< or "The t range is empty: ... both <number>; ..."
    TooLarge,         ///< "The curve is too large to fit: a coordinate reaches <number>; ..."
    Jump,             ///< "x(t) jumps near t = <number> (from <number> to <number>): ..."
    SinglePoint,      ///< "The curve is a single point (<x>, <y>, <z>): ..." or "The curve
                      ///< stays within <number> cm of one point (<x>, <y>, <z>), too small ..."
    NullObject,       ///< "Unknown exception": a host object the add-in needed was missing
    Unclear,          ///< anything else
  };
  Kind kind = Kind::Unclear;
  int controlCount = 0;  ///< Fit only
  bool closed = false;   ///< Fit only: ", closed" after the count
  /// Fit only: " (tolerance 0.002 cm not met: largest deviation D cm)", or from a measure cut
  /// short "... largest deviation D to U cm)", "perhaps not met" where D is not above 0.002
  bool toleranceNote = false;
  double largestDeviation = 0;  ///< Fit with the note only: D, finite, above 0.002 unless "perhaps"
  double deviationUpTo = 0;     ///< Fit with a cut-short note only: U, finite, above D and 0.002
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

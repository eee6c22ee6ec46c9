// Plays one Fusion 360 session in the simulated host around an add-in library: start a design,
// load the add-in, click its button, type the user's inputs into the dialog, read the status,
// confirm or cancel, stop and unload. sorvane's main uses it; everything it learns comes back as
// plain data for the writers.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "tools/formats/DesignFile.h"
#include "tools/formats/SessionReport.h"
#include "tools/session/Options.h"
#include "tools/session/ParameterChange.h"

namespace sorvane {

/// The host or the add-in could not play the session (the library does not load, run fails, the
/// button is missing, the dialog does not open, an input is missing). what() says which.
class SessionFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// What a session produced and what went wrong in it.
struct SessionResult {
  SessionReport report;
  /// One line per spline the add-in added or replaced, in sketch order, e.g. "Sketch1 (new, XY
  /// plane): spline of degree 3, 32 control points" or "Sketch1:1 replaced (XY plane): spline of
  /// degree 3, 64 control points"; or, when OK left the selected spline as it was, one line
  /// "Sketch1:1 unchanged (XY plane): ...".
  std::vector<std::string> changes;
  /// Faults of the add-in that the session shows: a spline created, replaced or removed after an
  /// error status or a Cancel, not exactly one created or replaced after OK, a preview that
  /// outlived the dialog, stop failing, a formula curve that could not follow a parameter change.
  /// Empty for a sound session.
  std::vector<std::string> problems;
  /// The status the dialog shows, or would show, for report.result: the dialog's status, or an
  /// updated curve's.
  std::string resultStatus;
  /// The design after the session (after stop): the parameters it started with, the sketches,
  /// splines, attributes and links as the host holds them.
  DesignFile design;
  /// Host objects the add-in still referenced after stop, e.g. "adsk::core::Application (1)".
  std::vector<std::string> heldAfterStop;
};

/// True when the first line of `status` is a fit's report: "N spline controls" or "N spline
/// controls, closed", either possibly followed by ", fewest", possibly with the tolerance note "N
/// spline controls (tolerance ... not met: ...)"; notes may follow on further lines. Anything else
/// is an error message.
bool isFitStatus(const std::string& status);

/// Plays the session that `options` describe with the add-in library at `addInPath`, in a host
/// whose design is `design` (its default length unit, its parameters with their units, then its
/// sketches with their splines, attributes and links); options.parameters and
/// options.documentUnits are not used, the caller has set them in `design`. --edit-sketch adds a
/// sketch after the design's, and --select selects a spline of `design` before the button is
/// clicked. With options.preset the dialog gets the unit and then the preset's label in "Start
/// from", so that the preset's lengths are written in that unit; then, in every session, the
/// coordinates, the definitions (into the "Definitions" text box or string input), the formulas
/// (into the inputs of the coordinates chosen), the t range, the unit (unless already chosen), the
/// tolerance and the "Fewest controls" check box, ticked or cleared as options.fewestControls
/// says. report.inputs.definitions is empty, and report.inputs.fewestControls false, when the
/// dialog has no such input.
/// With options.setParameters the session plays the Parameters dialog instead of Sorvane's:
/// `parameterChanges` (parameterChangeValues of them) are set as one confirmed command, and
/// describeParameterChange tells what it did: the status says which parameters changed, the changes
/// list each spline the add-in updated ("Sketch1:1 updated: 67 spline controls, closed"), the
/// problems each formula curve that could not follow, and the saved design has the new values.
/// Throws DesignFileError when the host refuses the design, and SessionFailure when the session
/// cannot be played (a selection the design lacks included); exceptions that the add-in lets out of
/// an event reach the caller as they are.
SessionResult playSession(const Options& options, const std::string& addInPath,
                          const DesignFile& design, const ParameterValues& parameterChanges);

}  // namespace sorvane

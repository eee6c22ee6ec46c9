// Plays one Fusion 360 session in the simulated host around an add-in library: start a design,
// load the add-in, click its button, type the user's inputs into the dialog, read the status,
// confirm or cancel, stop and unload. sorvane's main uses it; everything it learns comes back as
// plain data for the writers.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "tools/CommandLine.h"
#include "tools/SessionReport.h"

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
  /// One line per spline the add-in added, e.g. "Sketch1 (new, XY plane): spline of degree 3, 32
  /// control points", in sketch order.
  std::vector<std::string> created;
  /// Faults of the add-in that the session shows: something created after an error status or a
  /// Cancel, nothing created after OK, a preview that outlived the dialog, stop failing. Empty for
  /// a sound session.
  std::vector<std::string> problems;
  /// Host objects the add-in still referenced after stop, e.g. "adsk::core::Application (1)".
  std::vector<std::string> heldAfterStop;
};

/// True when the first line of `status` is a fit's report: "N spline controls" or "N spline
/// controls, closed", possibly with the tolerance note "N spline controls (tolerance ... not met:
/// ...)"; notes may follow on further lines. Anything else is an error message.
bool isFitStatus(const std::string& status);

/// Plays the session that `options` describe with the add-in library at `addInPath`. Throws
/// SessionFailure when it cannot be played; exceptions that the add-in lets out of an event reach
/// the caller as they are.
SessionResult playSession(const Options& options, const std::string& addInPath);

}  // namespace sorvane

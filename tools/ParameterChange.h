// What one played Parameters dialog did, told in sorvane's words: which of the parameters asked
// for changed, which formula curves the add-in updated (each with the status the dialog would
// show for it) and which could not follow, and why. It compares the design before and after and
// computes each status from the curve's stored definition with the curve library's own steps, so
// it needs no host.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/values/HostTypes.h"
#include "tools/SessionReport.h"

namespace sorvane {

/// Names and values, as SessionReport::parameters lists them.
using ParameterValues = std::vector<std::pair<std::string, double>>;

/// The account of one Parameters dialog.
struct ParameterChange {
  /// "Parameters changed: r = 3, pitch = 0", with "; unchanged: k = 2" after it when some of the
  /// values asked for are the ones the parameters had, or "Parameters unchanged: r = 8" when all
  /// are.
  std::string summary;
  /// "Sketch1:1 updated: <status>" for each spline whose shape or attributes changed, in sketch
  /// order, with the status the dialog shows for its stored formulas and the new values
  /// ("Sketch1:1 updated" alone when they cannot be read or computed); or "no formula curve uses
  /// them" when parameters changed but no formula curve names one of them and none was updated.
  std::vector<std::string> updated;
  /// "Sketch1:1 could not follow and keeps its shape: <reason>" for each linked formula curve
  /// whose stored values are not the new ones and whose spline did not change, the reason being
  /// the message the dialog shows for its formulas and the new values.
  std::vector<std::string> failed;
  /// The first updated spline and its status (empty when it has none).
  std::optional<SplinePlace> first;
  std::string firstStatus;
};

/// Tells what the Parameters dialog asked to set `requested` did: `parametersBefore` and
/// `parametersAfter` are what the expressions could use before and after it, `before` and
/// `after` the design's sketches (matched by position; a spline's definition is the attribute of
/// its spline that reads as one). Never throws for a curve that cannot be computed.
ParameterChange describeParameterChange(const ParameterValues& requested,
                                        const ParameterValues& parametersBefore,
                                        const ParameterValues& parametersAfter,
                                        const std::vector<fsim::SketchInfo>& before,
                                        const std::vector<fsim::SketchInfo>& after);

}  // namespace sorvane

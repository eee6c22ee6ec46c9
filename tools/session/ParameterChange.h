// One played Parameters dialog: the values --set-param asks it for, in the host's internal units,
// and what it did, told in sorvane's words: which of the parameters asked for changed, which
// formula curves the add-in updated (each with the status the dialog would show for it) and which
// could not follow, and why. It compares the design before and after and computes each status
// from the curve's stored definition with the curve library's own steps, the design's length
// parameters read in the curve's unit, so it needs no host.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "curve/formula/DesignParameters.h"
#include "host/values/HostTypes.h"
#include "tools/formats/DesignFile.h"
#include "tools/formats/SessionReport.h"
#include "tools/formats/Units.h"

namespace sorvane {

/// Names and values, as SessionReport::parameters lists them.
using ParameterValues = std::vector<std::pair<std::string, double>>;

/// What the formulas may use of `parameters`, as the add-in reads the design: "pi", then every
/// numeric parameter by name in internal units (a later one of a name replacing an earlier), the
/// names of those whose unit is a length set apart.
vintrel::curve::DesignParameters designParameters(
    const std::vector<fsim::ParameterInfo>& parameters);

/// The values, in internal units, that the Parameters dialog sets for `settings` in `design`: a
/// number without a unit is in its parameter's own unit (as the dialog shows it), one with a unit
/// is converted from it. A name the design lacks keeps its number (converted, if a unit is given),
/// for the host to refuse. Throws UsageError for a unit of another kind than the parameter's (an
/// angle for a length, a unit for a unitless or text parameter).
ParameterValues parameterChangeValues(const DesignFile& design,
                                      const std::vector<ParameterSetting>& settings);

/// The account of one Parameters dialog.
struct ParameterChange {
  /// "Parameters changed: r = 3 mm, pitch = 0", with "; unchanged: k = 2" after it when some of
  /// the values asked for are the ones the parameters had, or "Parameters unchanged: r = 8" when
  /// all are; each value in its parameter's unit, as the Parameters dialog shows it.
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

/// Tells what the Parameters dialog asked to set the parameters named `requested` did:
/// `parametersBefore` and `parametersAfter` are the design's numeric parameters before and after
/// it (besides them the expressions know pi; a parameter whose unit is a length reads in each
/// curve's unit), `before` and `after` the design's sketches (matched by position; a spline's
/// definition is the attribute of its spline that reads as one). Never throws for a curve that
/// cannot be computed.
ParameterChange describeParameterChange(const std::vector<std::string>& requested,
                                        const std::vector<fsim::ParameterInfo>& parametersBefore,
                                        const std::vector<fsim::ParameterInfo>& parametersAfter,
                                        const std::vector<fsim::SketchInfo>& before,
                                        const std::vector<fsim::SketchInfo>& after);

}  // namespace sorvane

// Keeps formula curves in step with the design's parameters. The add-in runs its check each time
// a command other than Sorvane ends, whatever the reason the host gives (the host has no event
// for a changed parameter, and the Parameters dialog is a command): a curve is refitted and
// replaced in place when a parameter it uses changed since the check last looked at it, so an
// update that Undo took back stays taken back. The user is told, once per check, of curves that
// could not follow and of new splines that miss the tolerance. It belongs to no dialog.
#pragma once

#include <Core/CoreAll.h>

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "curve/definition/CurveDefinition.h"
#include "curve/fit/SplineTolerance.h"
#include "curve/formula/DesignParameters.h"
#include "curve/formula/LengthUnit.h"
#include "curve/formula/ParameterTable.h"
#include "curve/status/FitStatus.h"

namespace vintrel::curvehost {

/// One curve the check refitted.
struct FollowedCurve {
  std::string sketch;       ///< its sketch's name
  curve::FitStatus status;  ///< the new fit's status, as FormulaCurve::status gives it
  /// The curve's own tolerance and the name of its unit, in which the status is told.
  double tolerance = curve::kSplineTolerance;
  std::string unit = curve::centimetreUnit().name;
};

/// What one check did.
struct FollowReport {
  std::vector<FollowedCurve> updated;
  /// "<sketch>: <message>" for each curve that could not follow, in the order found.
  std::vector<std::string> failed;
  /// Whether the user was told of failures or misses in a message box.
  bool told = false;
};

/// The text of the message box that tells of `report`: under a heading, "<sketch>: <message>"
/// for each failure; then, after an empty line and a heading of their own, "<sketch>: <status>"
/// (statusText with the curve's tolerance and unit, as the dialog shows it) for each updated curve
/// whose status has a largest deviation (the tolerance not met, or perhaps not met). Empty when
/// there is neither.
std::string followMessage(const FollowReport& report);

/// Refits the formula curves whose parameters changed. Held by the add-in from load to unload:
/// it remembers, per curve, the values of the parameters it uses as the last check saw them.
class ParameterFollower {
 public:
  /// Reads every formula curve of `application`'s active design (Product::findAttributes on
  /// kDefinitionGroup and kDefinitionName) and the design's parameters (readDesignParameters),
  /// each curve's with its lengths in its own unit.
  /// A curve is refitted when the values its definition stores are not the current ones (a
  /// stored name the design lacks counts as a difference) and a parameter it uses changed since
  /// the last check that looked at the curve; the first look at a curve compares the current
  /// values with the stored ones. The curve is looked at by its spline's entity token, so a
  /// token the host gives anew, or none, makes that look a first one. A curve whose stored
  /// values are the current ones is up to date; when no parameter of the design changed since
  /// the last complete check either, its spline is not even asked for its token.
  /// A refitted curve is computed afresh with the current values (FormulaCurve) and its spline
  /// replaced in place with the new definition (replaceFormulaCurve); when that fails (a
  /// parameter gone, a value that breaks the formula, a refusal of the host) the curve keeps its
  /// shape and definition, or, as replaceFormulaCurve leaves it, its new shape alone. The
  /// failure's line is "<sketch>: <message>", the message being FormulaCurve's error text
  /// ("Unknown exception" for a curve the host refused) or replacementMessage's. Since the
  /// values are remembered either way, a failure is told once per change. Definitions that
  /// cannot be read, definitions that name no parameter and unlinked splines are passed over
  /// silently. followMessage of the report, when not empty, is shown in one message box.
  /// Nothing happens without an active design or without formula curves. Never throws a
  /// standard exception: a null `application` or a host that refuses to list the curves or the
  /// parameters ends the check before any curve is looked at, and a refusal in the middle keeps
  /// what was learnt of the curves looked at.
  FollowReport check(const adsk::core::Ptr<adsk::core::Application>& application);

 private:
  // A parameter's value as a check saw it; none: the design had no such numeric parameter.
  using SeenValues = std::map<std::string, std::optional<double>>;

  // The definition a stored text holds (none: it cannot be read). The check runs after every
  // command, so each text is parsed once, not every time.
  const std::optional<curve::CurveDefinition>& definitionOf(const std::string& text);

  // Entity token -> the values of the parameters its curve uses, as the last look saw them.
  std::unordered_map<std::string, SeenValues> seen_;
  // The design's parameters as the last complete check read them.
  std::optional<curve::DesignParameters> lastParameters_;
  std::unordered_map<std::string, std::optional<curve::CurveDefinition>> definitions_;
};

}  // namespace vintrel::curvehost

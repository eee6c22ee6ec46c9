// Keeps formula curves in step with the design's parameters. The add-in runs its check each time
// a command other than Sorvane ends, whatever the reason the host gives (the host has no event
// for a changed parameter, and the Parameters dialog is a command): the curves curve::FollowRule
// says to refit are replaced in place. The user is told, once per check, of curves that could not
// follow and of new splines that miss the tolerance. It belongs to no dialog.
#pragma once

#include <Core/CoreAll.h>

#include <string>
#include <vector>

#include "curve/follow/FollowRule.h"
#include "curve/formula/LengthUnit.h"
#include "curve/formula/SplineTolerance.h"
#include "curve/status/FitStatus.h"

namespace vintrel::curvehost {

/// One curve the check refitted.
struct FollowedCurve {
  std::string sketch;       ///< its sketch's name
  curve::FitStatus status;  ///< the new fit's status, as ComputedCurve::status gives it
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

/// Refits the formula curves whose parameters changed: the host's side of curve::FollowRule. Held
/// by the add-in from load to unload, with the rule's memory of the curves it saw.
class ParameterFollower {
 public:
  /// Lists every formula curve of `application`'s active design (Product::findAttributes on
  /// kDefinitionGroup and kDefinitionName), reads the design's parameters (readDesignParameters)
  /// and asks the rule about each curve, known by its spline's entity token (a token the host
  /// gives anew, or none, makes the look a first one); a curve the rule needs no look at is not
  /// even asked for its token. A curve to refit whose spline is linked is computed afresh
  /// (FollowRule::refit) and its spline replaced in place with the new definition
  /// (replaceFormulaCurve); when that fails (a parameter gone, a value that breaks the formula,
  /// a refusal of the host) the curve keeps its shape and definition, or, as replaceFormulaCurve
  /// leaves it, its new shape alone. The failure's line is "<sketch>: <message>", the message
  /// being ComputedCurve's error text ("Unknown exception" for a curve the host refused) or
  /// replacementMessage's. Definitions that cannot be read, definitions that name no parameter
  /// and unlinked splines are passed over silently. followMessage of the report, when not empty,
  /// is shown in one message box. Nothing happens without an active design or without formula
  /// curves. Never throws a standard exception: a null `application` or a host that refuses to
  /// list the curves or the parameters ends the check before any curve is looked at, and a
  /// refusal in the middle keeps what was learnt of the curves looked at.
  FollowReport check(const adsk::core::Ptr<adsk::core::Application>& application);

 private:
  // Asks the rule about the curve whose definition is `attribute`, and refits it if told to.
  void follow(const adsk::core::Ptr<adsk::core::Attribute>& attribute, FollowReport& report);

  curve::FollowRule rule_;
};

}  // namespace vintrel::curvehost

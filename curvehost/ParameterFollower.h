// Keeps formula curves in step with the design's parameters. The add-in runs its check each time
// a command other than Sorvane completes (the host has no event for a changed parameter, and the
// Parameters dialog is a command): curves whose named parameters changed are refitted and
// replaced in place; failures are told once. It belongs to no dialog.
#pragma once

#include <Core/CoreAll.h>

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "curve/definition/CurveDefinition.h"

namespace vintrel::curvehost {

/// One curve the check refitted.
struct FollowedCurve {
  std::string sketch;    ///< its sketch's name
  int controlCount = 0;  ///< the new fit's control points
};

/// What one check did.
struct FollowReport {
  std::vector<FollowedCurve> updated;
  /// "<sketch>: <message>" for each curve that could not follow, in the order found.
  std::vector<std::string> failed;
  /// Whether the user was told of failures in a message box.
  bool told = false;
};

/// Remembers which failures the user was told of, so that an unchanged failure is not told after
/// every command. Held by the add-in from load to unload.
class ParameterFollower {
 public:
  /// Reads every formula curve of `application`'s active design (Product::findAttributes on
  /// kDefinitionGroup and kDefinitionName) and compares the stored values of the parameters its
  /// definition names with the design's current ones (readDesignParameters). A curve whose values
  /// all match is not touched. Any other is computed afresh with the current values (FormulaCurve)
  /// and its spline replaced in place with the new definition (replaceFormulaCurve); when that
  /// fails (a parameter gone, a value that breaks the formula, a refusal of the host) the curve
  /// keeps its shape and definition, or, as replaceFormulaCurve leaves it, its new shape alone.
  /// The failure's line is "<sketch>: <message>", the message being FormulaCurve's error text
  /// ("Unknown exception" for a curve the host refused) or replacementMessage's.
  /// Definitions that cannot be read and unlinked splines are passed over silently. Failures not
  /// told before, or told with another message, are told in one message box listing them under a
  /// heading. Nothing happens without an active design or without formula curves. Never throws a
  /// standard exception: a null `application` or a host that refuses to list the curves or the
  /// parameters ends the check before any curve is looked at.
  FollowReport check(const adsk::core::Ptr<adsk::core::Application>& application);

 private:
  // The definition a stored text holds (none: it cannot be read). The check runs after every
  // command, so each text is parsed once, not every time.
  const std::optional<curve::CurveDefinition>& definitionOf(const std::string& text);

  // Failure key (sketch name and definition) -> the message told.
  std::map<std::string, std::string> told_;
  std::unordered_map<std::string, std::optional<curve::CurveDefinition>> definitions_;
};

}  // namespace vintrel::curvehost

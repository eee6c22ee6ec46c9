// Gives a formula curve's spline a new shape and its new definition together, or neither, and
// words the outcome for the user once: the edit's OK and the following of the design's parameters
// both replace curves this way and tell the same words.
#pragma once

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <string>

namespace vintrel::curvehost {

/// How a replacement ended.
enum class Replacement {
  Done,          ///< new shape, new definition
  Unchanged,     ///< old shape, old definition: the host refused the shape or the definition
  HalfReplaced,  ///< new shape, old definition: the definition was refused and so was the undo
};

/// Replaces `spline`'s geometry with `curve` (sketch space), then stores `definition` in its
/// definition attribute (storeCurveDefinition); when the definition is refused, puts the old
/// geometry back. Never throws a standard exception for a refusal of the host: a missing
/// attribute collection, a null geometry or a refused call ends as Unchanged or HalfReplaced.
Replacement replaceFormulaCurve(const adsk::core::Ptr<adsk::fusion::SketchFixedSpline>& spline,
                                const adsk::core::Ptr<adsk::core::NurbsCurve3D>& curve,
                                const std::string& definition);

/// What the user is told of `outcome`: empty for Done; for Unchanged and HalfReplaced the message
/// (one sentence or two, ending in a full stop) that says what the curve now holds and what to do.
std::string replacementMessage(Replacement outcome);

/// Stores `definition` on `spline` as its definition attribute (kDefinitionGroup,
/// kDefinitionName), replacing one already there; false when the host gives no attribute
/// collection or refuses the attribute.
bool storeCurveDefinition(const adsk::core::Ptr<adsk::fusion::SketchFixedSpline>& spline,
                          const std::string& definition);

}  // namespace vintrel::curvehost

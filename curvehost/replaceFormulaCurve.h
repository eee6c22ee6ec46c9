// Gives a formula curve's spline a new shape and its new definition together, or neither: the
// edit's OK and the following of the design's parameters both replace curves this way.
#pragma once

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <string>

/// How a replacement ended.
enum class Replacement {
  Done,          ///< new shape, new definition
  Unchanged,     ///< old shape, old definition: the host refused the shape or the definition
  HalfReplaced,  ///< new shape, old definition: the definition was refused and so was the undo
};

/// Replaces `spline`'s geometry with `curve` (sketch space), then stores `definition` in its
/// definition attribute; when the definition is refused, puts the old geometry back. Never
/// throws a standard exception for a refusal of the host: a missing attribute collection, a
/// null geometry or a refused call ends as Unchanged or HalfReplaced.
Replacement replaceFormulaCurve(const adsk::core::Ptr<adsk::fusion::SketchFixedSpline>& spline,
                                const adsk::core::Ptr<adsk::core::NurbsCurve3D>& curve,
                                const std::string& definition);

/// Stores `definition` on `spline` as its definition attribute; false when the host refuses.
bool storeCurveDefinition(const adsk::core::Ptr<adsk::fusion::SketchFixedSpline>& spline,
                          const std::string& definition);

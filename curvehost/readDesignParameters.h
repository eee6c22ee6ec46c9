// Builds the constants that the curve expressions may use from the active design: "pi" and every
// numeric parameter of the design by its name, with the names of the length parameters, whose
// values a curve reads in its own unit. The live preview, the curve creation and the following of
// the design's parameters call it before each computation of a curve.
#pragma once

#include <Core/CoreAll.h>

#include "curve/formula/DesignParameters.h"

namespace vintrel::curvehost {

/// "pi" -> kBuiltInPi plus one entry per numeric parameter of the active design's
/// allParameters (user and model parameters), by the name the host gives (an absent name is the
/// empty name) and the value as the host gives it, in its internal units; a later parameter of a
/// name already present, "pi" included, replaces that value. A parameter whose unit the design's
/// units manager converts to centimetres is a length. Text parameters are left out, so an
/// expression naming one fails on an unknown name.
/// Throws hv::f360::NullObjectError when `application` is null, the active product is missing
/// or not a design, or the parameter list, a parameter in it or the units manager (asked only
/// for a parameter with a unit) is missing; no table then.
curve::DesignParameters readDesignParameters(
    const adsk::core::Ptr<adsk::core::Application>& application);

}  // namespace vintrel::curvehost

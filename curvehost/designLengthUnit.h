// The length unit the active design displays, which a new curve's formulas start in: the design's
// own choice, not the user's preferred spelling of it.
#pragma once

#include <Core/CoreAll.h>

#include "curve/formula/LengthUnit.h"

namespace vintrel::curvehost {

/// The unit of the active design's FusionUnitsManager::distanceDisplayUnits; centimetres, the
/// host's internal unit, when `application`, the design or its units manager is missing.
/// Never throws a standard exception but std::bad_alloc.
curve::LengthUnit designLengthUnit(const adsk::core::Ptr<adsk::core::Application>& application);

}  // namespace vintrel::curvehost

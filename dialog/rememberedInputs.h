// The inputs of the last curve created or edited in a design, kept on the design itself so that
// they survive closing and reopening it: a new curve's dialog opens with them instead of the
// defaults.
#pragma once

#include <Core/CoreAll.h>

#include <optional>

#include "curve/formula/CurveRequest.h"

namespace vintrel::dialog {

/// The inputs kept on `application`'s active design (curve::kDefinitionGroup,
/// kLastInputsName); none when there is no design or no such attribute, when the host refuses a
/// read, or when the kept text is not a definition this add-in reads (the defaults then serve).
/// Never throws a standard exception but std::bad_alloc.
std::optional<curve::CurveRequest> rememberedInputs(
    const adsk::core::Ptr<adsk::core::Application>& application);

/// Keeps `request` on `application`'s active design, replacing what was kept. A design or host
/// that refuses it keeps the earlier inputs, silently: the curve itself was made.
/// Never throws a standard exception but std::bad_alloc.
void rememberInputs(const adsk::core::Ptr<adsk::core::Application>& application,
                    const curve::CurveRequest& request);

}  // namespace vintrel::dialog

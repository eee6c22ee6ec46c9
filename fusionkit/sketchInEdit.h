// The sketch the user is editing, if any: the application's active edit object as a Sketch. An
// add-in adds its curves there, and draws their previews where that sketch will place them.
#pragma once

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

namespace hv {
namespace f360 {

/// `application`'s active edit object cast to Sketch: null while no sketch is in edit (the edit
/// object is a component or anything else), or when the host gives no edit object.
/// Throws NullObjectError when `application` is null.
adsk::core::Ptr<adsk::fusion::Sketch> sketchInEdit(
    const adsk::core::Ptr<adsk::core::Application>& application);

}  // namespace f360
}  // namespace hv

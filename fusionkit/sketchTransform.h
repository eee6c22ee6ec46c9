// A sketch's placement in the model as plain numbers: the matrix that carries sketch space (x and
// y in the sketch's plane, z along its normal) into model space. Read from the host once, it maps
// any number of points without further host calls.
#pragma once

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <array>

namespace hv {
namespace f360 {

/// `sketch`'s transform as its 16 cells row after row (Matrix3D::asArray: points as columns, the
/// translation in cells 3, 7 and 11), from one transform() and one asArray() call.
/// Throws NullObjectError when `sketch` is null, the host gives no matrix, or the matrix gives
/// other than 16 cells (as it does when the host refuses them).
std::array<double, 16> sketchTransform(const adsk::core::Ptr<adsk::fusion::Sketch>& sketch);

}  // namespace f360
}  // namespace hv

// A sketch's placement in the model as plain numbers: the matrix that carries sketch space (x and
// y in the sketch's plane, z along its normal) into model space, learnt from where the host puts
// four points of the sketch. Read from the host once, it maps any number of points without
// further host calls.
#pragma once

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <array>

namespace hv {
namespace f360 {

/// The affine map from `sketch`'s space to model space as 16 cells row after row (points as
/// columns: the translation in cells 3, 7 and 11, the last row 0 0 0 1). The translation is the
/// model image of the sketch's origin, column c the image of the unit point along axis c less
/// that origin; each image comes from one Point3D::create, one Sketch::sketchToModelSpace and one
/// Point3D::getData call, origin first, then x, y, z.
/// Throws NullObjectError when `sketch` is null or the host gives no point, no image or no
/// coordinates of one.
std::array<double, 16> sketchToModelMatrix(const adsk::core::Ptr<adsk::fusion::Sketch>& sketch);

}  // namespace f360
}  // namespace hv

// Arithmetic on the host's 4 x 4 transforms (row after row, points as columns): what Matrix3D's
// members, a sketch's placement in the model and a curve's transformBy compute with.
#pragma once

#include <array>

#include "host/values/HostTypes.h"

namespace fsim {

/// The transform that changes nothing.
Transform identityTransform();

/// `first` followed by `second`: the product second times first.
Transform composed(const Transform& first, const Transform& second);

/// The inverse of `transform` into `inverse`; false, leaving `inverse` alone, when `transform`
/// has none (a pivot below 1e-300 in magnitude, or a value that is not finite).
bool inverted(const Transform& transform, Transform& inverse);

/// `point` (x, y, z, 1) carried by `transform`; the last row is taken as 0 0 0 1.
std::array<double, 3> transformedPoint(const Transform& transform,
                                       const std::array<double, 3>& point);

/// `curve` with every control point carried by `transform`; degree, knots and flags stay.
NurbsData transformedCurve(const NurbsData& curve, const Transform& transform);

}  // namespace fsim

// Hands a spline to the host as its NURBS curve: the one host step between the fit and what the
// preview draws or the sketch receives.
#pragma once

#include <Core/CoreAll.h>

#include <vector>

#include "numerics/BSplineCurve.h"

namespace vintrel::curvehost {

/// A non-rational, non-periodic NurbsCurve3D of degree 3 with `curve`'s control points and its
/// full knot vector (4 more knots than controls, 0 0 0 0 ... 1 1 1 1); see the overload below.
adsk::core::Ptr<adsk::core::NurbsCurve3D> toNurbsCurve(const num::BSplineCurve<double>& curve);

/// A non-rational, non-periodic NurbsCurve3D of degree 3 whose control points are
/// `controlCoordinates` read as x0 y0 z0 x1 y1 z1 ... (a trailing partial point is left out) and
/// whose knot vector is `knots`. A null Point3D from the host goes into the curve's list
/// unchanged; the host's answer, null included (as for a knot count other than controls + 4), is
/// returned as it is.
adsk::core::Ptr<adsk::core::NurbsCurve3D> toNurbsCurve(
    const std::vector<double>& controlCoordinates, const std::vector<double>& knots);

}  // namespace vintrel::curvehost

// Hands a computed formula curve to the host as its NURBS curve, in centimetres: the one host step
// between the fit and what the preview draws or the sketch receives.
#pragma once

#include <Core/CoreAll.h>

#include <vector>

#include "curve/computed/ComputedCurve.h"
#include "curve/placement/AffineMap.h"

namespace vintrel::curvehost {

/// `curve`'s fit as the host's curve in the formulas' own space: its control points in
/// centimetres (ComputedCurve::controlCentimetres), knots and degree as fitted.
/// Throws hv::f360::NullObjectError when the host gives no curve.
adsk::core::Ptr<adsk::core::NurbsCurve3D> toNurbsCurve(const curve::ComputedCurve& curve);

/// The same curve carried into another space by `placement` (such as a sketch's map into the
/// model), which acts on centimetres: every control point mapped, knots and degree kept.
/// Throws hv::f360::NullObjectError when the host gives no curve.
adsk::core::Ptr<adsk::core::NurbsCurve3D> toNurbsCurve(const curve::ComputedCurve& curve,
                                                       const curve::AffineMap& placement);

/// A non-rational, non-periodic NurbsCurve3D of degree 3 whose control points are
/// `controlCoordinates` read as x0 y0 z0 x1 y1 z1 ... (a trailing partial point is left out) and
/// whose knot vector is `knots`. A null Point3D from the host goes into the curve's list
/// unchanged; the host's answer, null included (as for a knot count other than controls + 4), is
/// returned as it is.
adsk::core::Ptr<adsk::core::NurbsCurve3D> toNurbsCurve(
    const std::vector<double>& controlCoordinates, const std::vector<double>& knots);

}  // namespace vintrel::curvehost

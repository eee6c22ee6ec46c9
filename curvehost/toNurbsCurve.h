// Hands an accepted spline fit to the host as its NURBS curve: the one host step between the
// fit and what the preview draws or the sketch receives.
#pragma once

#include <Core/CoreAll.h>

#include "numerics/BSplineCurve.h"

/// A non-rational, non-periodic NurbsCurve3D of degree 3 with `fit`'s control points and its
/// full knot vector (4 more knots than controls, 0 0 0 0 ... 1 1 1 1). A null Point3D from the
/// host goes into the curve's list unchanged; the host's answer, null included, is returned as it
/// is.
adsk::core::Ptr<adsk::core::NurbsCurve3D> toNurbsCurve(const num::BSplineCurve<double>& fit);

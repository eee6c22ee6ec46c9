// The host's splines as the numerical library's B-spline curves, so that sorvane draws a spline
// with the evaluator the add-in's fits are made with rather than one of its own. Used by the SVG
// picture.
#pragma once

#include <vector>

#include "numerics/BSplineCurve.h"
#include "tools/formats/SessionReport.h"

namespace sorvane {

/// `spline` as a three-dimensional curve of the numerical library, on [knots[degree],
/// knots[controls]]. A control point without effect on that domain (where an end's knot repeats
/// more often than a clamped spline's) is dropped with its knot: the curve is the same and may
/// hold fewer controls. Weights are not part of Spline, so a rational curve becomes the
/// non-rational curve of its control points; `periodic` is ignored, the knots given being the
/// curve's. Throws std::invalid_argument unless the degree is at least 1, there are more control
/// points than the degree, the knot count is controls + degree + 1, the knots are finite and
/// non-decreasing, the domain is not empty and no knot inside it repeats more than degree times
/// (the curve would break there, which the library's basis does not take).
num::BSplineCurve<double> splineCurve(const Spline& spline);

/// Points along the whole of `spline`: `perSpan` (at least 1) evenly spaced parameters in every
/// non-empty knot span, then the curve's end point, in order of increasing parameter. Throws as
/// splineCurve does.
std::vector<Point3> splinePoints(const Spline& spline, int perSpan);

}  // namespace sorvane

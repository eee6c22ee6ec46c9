// Fits the sample points with the adaptive cubic B-spline fit and hands the accepted fit to the
// host as a non-rational NURBS curve. The live preview draws the curve and reports its control
// count; the curve creation adds it to a sketch.
#pragma once

#include <Core/CoreAll.h>

#include "curve/SamplePoints.h"
#include "curve/fitSplineToSamples.h"

/// The host curve of one adaptive fit, with the fit it was made from.
struct NurbsCurveFit {
  /// Degree 3, the fit's control points and its full knot vector (4 more knots than controls,
  /// 0 0 0 0 ... 1 1 1 1), not periodic; null when the host refused to make it.
  adsk::core::Ptr<adsk::core::NurbsCurve3D> curve;
  /// The accepted fit, and whether it met the tolerance (even the 128-control fit is used when it
  /// did not), for an accurate deviation measurement.
  SplineFit spline;
};

/// Fits `samples` (not empty) with 4, 8, ..., 128 control points until every sample lies within
/// `tolerance` of the fit and converts the accepted fit. Its first and last control points equal
/// the first and last samples exactly. A null Point3D from the host goes into the curve's list
/// unchanged; the host's answer, null included, is returned as it is.
NurbsCurveFit fitNurbsCurve(const SamplePoints& samples, double tolerance);

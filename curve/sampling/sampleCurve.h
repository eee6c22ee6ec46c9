// Turns the user's curve (three expressions in t and a t range) and the design's constants into
// Cartesian points at equally spaced values of t, with the points halfway between them and the
// probe points that check the fit, and refuses curves no spline can follow. The live preview and
// the curve creation call it and hand its points to the spline fit.
#pragma once

#include <string>

#include "curve/formula/CurveRequest.h"
#include "curve/formula/ParameterTable.h"
#include "curve/sampling/SampledCurve.h"

namespace vintrel::curve {

/// Number of points sampleCurve produces.
constexpr int kSampleCount = 2049;

/// The Cartesian points of `request`'s formulas (CurveFormula, in its coordinates and unit) at
/// kSampleCount values of t evenly spaced from tStart to tEnd (downwards when tEnd lies below),
/// the midpoints between them and kProbeCount probes, as SampledCurve places them; its pointsAt
/// gives the formulas' points at further values of t. Every entry of `parameters` is a named
/// constant of the formulas, but for one that the variable t or a definition of the request's
/// hides. An empty or all-blank formula is the constant 0.
/// Throws std::runtime_error with a one-line message for the dialog: an end that is not finite or
/// a range too wide to sample; a tolerance out of bounds (checkTolerance); definitions or
/// formulas that cannot be read or evaluated, or a value that is not finite (CurveFormula); a
/// curve that stays within the tolerance of one point; a jump between neighbouring points
/// (refuseJumps).
SampledCurve sampleCurve(const CurveRequest& request, const ParameterTable& parameters);

}  // namespace vintrel::curve

// Turns the user's curve (three expressions in t and a t range) and the design's constants into
// 2049 Cartesian points at equally spaced values of t, with the points halfway between them and the
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

/// The Cartesian points of `request`'s formulas (CurveFormula, in its coordinates and unit) for
/// t = i * step + tStart, i = 0 ... 2048, with step = (tEnd - tStart) * 0.00048828125, in that
/// order, and the 2048 midpoints between them, at t = (i + 0.5) * step + tStart, then the
/// kProbeCount probes at t = tStart + probeFraction(j) * (tEnd - tStart); tEnd below tStart
/// samples downwards. Every entry of `parameters` is a named constant of every expression, except
/// an entry named "t", which the curve variable hides, and those named as one of the request's
/// definitions, which the definition hides. An empty or all-blank expression is the constant 0.
/// Throws std::runtime_error, in this order of checks,
///  - "Starting t Value is not a finite number: <tStart>" (or "Ending t Value ... <tEnd>") for a
///    NaN or infinite end, and "The t range from <tStart> to <tEnd> is too wide to sample; choose
///    closer ends." when tEnd - tStart overflows; checkTolerance's message for a tolerance out of
///    bounds; these are checked before any expression;
///  - readNamedDefinitions' message for definitions it cannot read;
///  - "Definitions, line <n>: <message>", then "x(t): <message>" (or the label of another formula)
///    for a definition or formula muparser cannot parse or evaluate, checked in order
///    (CurveFormula::pointAt);
///  - "Definitions, line <n> (<name>) is not a finite number at t = <t>", else "x(t) is not a
///    finite number at t = <t>" for the first sample, else the first midpoint, else the first
///    probe, and in it the first definition, else the first formula, whose value is a NaN or
///    infinite; <t> is the shortest text that reads back as the same double;
///  - when every sample, midpoint and probe lies within the request's tolerance of the first
///    sample: "The t range is empty: Starting t Value and Ending t Value are both <t>; give them
///    different values" for equal ends, else "The curve is a single point (<x>, <y>, <z>): give
///    x(t), y(t) or z(t) a term in t, or widen the t range" (the formulas' labels) when they lie
///    within rounding of it, else "The curve stays within <tolerance> <unit> of one point (<x>,
///    <y>, <z>), too small for a spline to follow: make it larger or widen the t range" (x, y, z
///    the first sample's Cartesian coordinates to 7 significant digits, rounding residue as 0);
///  - refuseJumps's "x(t) jumps near t = ..." for a jump (a step, a wrap, a pole) between two
///    neighbouring points, or the not-finite message for a value met on the way to one.
/// Every message is one line: control characters from the expressions become blanks.
SampledCurve sampleCurve(const CurveRequest& request, const ParameterTable& parameters);

}  // namespace vintrel::curve

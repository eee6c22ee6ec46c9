// Turns the user's curve (three expressions in t and a t range) and the design's constants into
// 2049 points at equally spaced values of t. The live preview and the curve creation call it and
// hand its points to the spline fit.
#pragma once

#include <string>

#include "curve/CurveRequest.h"
#include "curve/ParameterTable.h"
#include "curve/SamplePoints.h"

/// Number of points sampleCurve produces.
constexpr int kSampleCount = 2049;

/// The points (x(t), y(t), z(t)) of `request` for
/// t = i * ((tEnd - tStart) * 0.00048828125) + tStart, i = 0 ... 2048, in that order; tEnd below
/// tStart samples downwards. Every entry of `parameters` is a named constant of every expression,
/// except an entry named "t", which the curve variable hides.
/// An empty or all-blank expression is the constant 0.
/// Throws std::runtime_error
///  - "Starting t Value is not a finite number: <tStart>" (or "Ending t Value ... <tEnd>") for a
///    NaN or infinite end, and "The t range from <tStart> to <tEnd> is too wide to sample; choose
///    closer ends." when tEnd - tStart overflows; these are checked before any expression;
///  - "x(t): <muparser's message>" (or "y(t)", "z(t)") for an expression muparser cannot parse
///    or evaluate, checked in the order x, y, z;
///  - "x(t) is not a finite number at t = <t>" for the first sample, and in it the first
///    coordinate, whose value is a NaN or infinite; <t> is the shortest text that reads back as
///    the same double.
SamplePoints sampleCurve(const CurveRequest& request, const ParameterTable& parameters);

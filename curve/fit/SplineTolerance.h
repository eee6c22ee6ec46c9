// The one distance that decides whether a spline follows its formulas: sampling refuses jumps
// and single points by it, the adaptive fit accepts a spline by it, the status reports its miss.
#pragma once

namespace vintrel::curve {

/// The largest distance of the formula's curve from the spline that the preview and the curve
/// creation accept, in model units (centimetres in Fusion 360).
constexpr double kSplineTolerance = 0.002;

}  // namespace vintrel::curve

// The distance that decides whether a spline follows its formulas: sampling refuses jumps and
// single points by it, the adaptive fit accepts a spline by it, the status reports its miss. Each
// curve carries its own, in the unit of its formulas; these are the default and the bounds.
#pragma once

namespace vintrel::curve {

/// The tolerance a new curve starts with, in centimetres (the host's model unit).
constexpr double kSplineTolerance = 0.002;

/// The finest tolerance a curve may ask for, in centimetres: ten nanometres, far above the
/// rounding of any coordinate a design holds, far below what any machine makes.
constexpr double kSmallestTolerance = 1e-6;

/// The coarsest tolerance a curve may ask for, in centimetres: beyond it a spline of four
/// controls passes for any curve a sketch holds.
constexpr double kLargestTolerance = 10.0;

}  // namespace vintrel::curve

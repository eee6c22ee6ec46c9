// A curve as the user describes it: the t range, the three expressions and the definitions they
// may use, the unit and coordinate system they are written in and the tolerance the spline must
// keep, as plain data. The dialog
// reads one from its inputs, and sampling turns one into points.
#pragma once

#include <string>

#include "curve/formula/Coordinates.h"
#include "curve/formula/LengthUnit.h"
#include "curve/formula/SplineTolerance.h"

namespace vintrel::curve {

/// One curve description. Nothing relates the fields: tStart may be at or above tEnd and an
/// expression may be empty.
struct CurveRequest {
  double tStart = 0.0;
  double tEnd = 0.0;
  /// The three formulas in `coordinates`' order (x, y, z; ρ, θ, z; r, θ, φ), 8-bit texts exactly
  /// as the host gave them.
  std::string xExpression;
  std::string yExpression;
  std::string zExpression;
  /// The unit of the formulas' lengths and of the tolerance.
  LengthUnit unit = centimetreUnit();
  /// How far, in `unit`, the spline may stray from the formulas' curve either way.
  double tolerance = kSplineTolerance;
  Coordinates coordinates = Coordinates::Cartesian;
  /// The named definitions the expressions may use, as typed: lines of "name = expression" items
  /// separated by ";" (readNamedDefinitions); empty for none.
  std::string definitions{};
  /// Whether the fit looks for the fewest controls that meet the tolerance (FitGoal::Fewest)
  /// rather than climbing the specified counts.
  bool fewestControls = false;
};

}  // namespace vintrel::curve

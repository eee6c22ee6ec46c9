// Carries points from the space the formulas are written in to the space a curve is shown in: an
// affine map, such as a sketch's map into model space. The preview maps its spline's
// control points with it, which moves the whole B-spline exactly, knots and degree unchanged.
#pragma once

#include <array>
#include <vector>

namespace vintrel::curve {

/// The map p -> A p + b of a 4 x 4 homogeneous matrix given row after row, points taken as
/// columns (x, y, z, 1): the translation b sits in cells 3, 7 and 11. The last row is taken as
/// 0 0 0 1 whatever it holds, so the map stays affine.
class AffineMap {
 public:
  explicit AffineMap(const std::array<double, 16>& matrix) : matrix_(matrix) {}

  /// `coordinates` read as points x0 y0 z0 x1 y1 z1 ..., each mapped; every new coordinate is
  /// summed as m[4i] x + m[4i+1] y + m[4i+2] z + m[4i+3], left to right. Throws
  /// std::invalid_argument unless the count is a multiple of 3.
  std::vector<double> mapCoordinates(const std::vector<double>& coordinates) const;

 private:
  std::array<double, 16> matrix_;
};

}  // namespace vintrel::curve

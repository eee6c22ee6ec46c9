#include "curve/placement/AffineMap.h"

#include <cstddef>
#include <stdexcept>

namespace vintrel::curve {

std::vector<double> AffineMap::mapCoordinates(const std::vector<double>& coordinates) const {
  if (coordinates.size() % 3 != 0) {
    throw std::invalid_argument("AffineMap: coordinates are not whole points");
  }
  std::vector<double> mapped(coordinates.size());
  for (std::size_t point = 0; point < coordinates.size(); point += 3) {
    const double x = coordinates[point], y = coordinates[point + 1], z = coordinates[point + 2];
    for (std::size_t row = 0; row < 3; ++row) {
      const double* m = &matrix_[4 * row];
      mapped[point + row] = m[0] * x + m[1] * y + m[2] * z + m[3];
    }
  }
  return mapped;
}

}  // namespace vintrel::curve

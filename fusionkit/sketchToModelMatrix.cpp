#include "fusionkit/sketchToModelMatrix.h"

#include <cstddef>

#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using namespace adsk::fusion;

namespace hv {
namespace f360 {

namespace {

using Coordinates = std::array<double, 3>;

// sketchToModelSpace names its direction and its documentation agrees (it even follows the
// assembly context), whereas Sketch::transform is documented as the opposite map of the one its
// common use assumes: the points settle which way the host maps.
Coordinates modelImage(const Ptr<Sketch>& sketch, const Coordinates& inSketch) {
  Ptr<Point3D> point = Point3D::create(inSketch[0], inSketch[1], inSketch[2]);
  throwIfNull(point);
  Ptr<Point3D> image = sketch->sketchToModelSpace(point);
  throwIfNull(image);
  Coordinates inModel{};
  if (!image->getData(inModel[0], inModel[1], inModel[2])) throw NullObjectError();
  return inModel;
}

}  // namespace

std::array<double, 16> sketchToModelMatrix(const Ptr<Sketch>& sketch) {
  throwIfNull(sketch);
  const Coordinates origin = modelImage(sketch, {0, 0, 0});
  std::array<double, 16> matrix{};
  for (std::size_t row = 0; row < 3; ++row) matrix[4 * row + 3] = origin[row];
  for (std::size_t axis = 0; axis < 3; ++axis) {
    Coordinates unit{};
    unit[axis] = 1;
    const Coordinates image = modelImage(sketch, unit);
    for (std::size_t row = 0; row < 3; ++row) matrix[4 * row + axis] = image[row] - origin[row];
  }
  matrix[15] = 1;
  return matrix;
}

}  // namespace f360
}  // namespace hv

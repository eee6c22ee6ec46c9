#include "fusionkit/sketchTransform.h"

#include <algorithm>
#include <vector>

#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using namespace adsk::fusion;

namespace hv {
namespace f360 {

std::array<double, 16> sketchTransform(const Ptr<Sketch>& sketch) {
  throwIfNull(sketch);
  Ptr<Matrix3D> transform = sketch->transform();
  throwIfNull(transform);
  const std::vector<double> cells = transform->asArray();
  std::array<double, 16> matrix{};
  if (cells.size() != matrix.size()) throw NullObjectError();
  std::copy(cells.begin(), cells.end(), matrix.begin());
  return matrix;
}

}  // namespace f360
}  // namespace hv

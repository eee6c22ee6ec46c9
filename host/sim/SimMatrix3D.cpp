// The simulated Matrix3D and the exported Matrix3D::create_raw.
#include "host/sim/SimMatrix3D.h"

#include <memory>
#include <vector>

#include "host/sim/HostArrays.h"
#include "host/sim/Transforms.h"

namespace fsim {

namespace {

bool isCell(int row, int column) { return row >= 0 && row < 4 && column >= 0 && column < 4; }

}  // namespace

bool SimMatrix3D::invert_raw() {
  if (refused("Matrix3D.invert")) return false;
  return inverted(cells_, cells_);
}

adsk::core::Matrix3D* SimMatrix3D::copy_raw() const {
  if (refused("Matrix3D.copy")) return nullptr;
  return handOut(std::make_shared<SimMatrix3D>(cells_));
}

bool SimMatrix3D::transformBy_raw(adsk::core::Matrix3D* matrix) {
  if (refused("Matrix3D.transformBy")) return false;
  auto* other = dynamic_cast<SimMatrix3D*>(matrix);
  if (!other || !other->alive()) return false;
  cells_ = composed(cells_, other->cells_);
  return true;
}

double SimMatrix3D::getCell_raw(int row, int column) const {
  if (refused("Matrix3D.getCell") || !isCell(row, column)) return 0.0;
  return cells_[4 * row + column];
}

bool SimMatrix3D::setCell_raw(int row, int column, double value) {
  if (refused("Matrix3D.setCell") || !isCell(row, column)) return false;
  cells_[4 * row + column] = value;
  return true;
}

double* SimMatrix3D::asArray_raw(size_t& return_size) const {
  return_size = 0;
  if (refused("Matrix3D.asArray")) return nullptr;
  return newHostDoubles(std::vector<double>(cells_.begin(), cells_.end()), return_size);
}

bool SimMatrix3D::setWithArray_raw(const double* cells, size_t cells_size) {
  if (refused("Matrix3D.setWithArray") || !cells || cells_size != cells_.size()) return false;
  for (size_t i = 0; i < cells_size; ++i) cells_[i] = cells[i];
  return true;
}

}  // namespace fsim

namespace adsk {
namespace core {

Matrix3D* Matrix3D::create_raw() {
  if (fsim::operationFails("Matrix3D.create")) return nullptr;
  return fsim::handOut(std::make_shared<fsim::SimMatrix3D>(fsim::identityTransform()));
}

}  // namespace core
}  // namespace adsk

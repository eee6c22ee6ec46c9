// The simulated Point3D and the exported Point3D::create_raw.
#include "host/sim/SimPoint3D.h"

#include <cmath>
#include <memory>

#include "host/sim/HostArrays.h"

namespace fsim {

double SimPoint3D::coordinate(const char* operation, int axis) const {
  return refused(operation) ? 0.0 : xyz_[axis];
}

bool SimPoint3D::setCoordinate(const char* operation, int axis, double value) {
  if (refused(operation)) return false;
  xyz_[axis] = value;
  return true;
}

double SimPoint3D::x_raw() const { return coordinate("Point3D.x", 0); }
bool SimPoint3D::x_raw(double value) { return setCoordinate("Point3D.x", 0, value); }
double SimPoint3D::y_raw() const { return coordinate("Point3D.y", 1); }
bool SimPoint3D::y_raw(double value) { return setCoordinate("Point3D.y", 1, value); }
double SimPoint3D::z_raw() const { return coordinate("Point3D.z", 2); }
bool SimPoint3D::z_raw(double value) { return setCoordinate("Point3D.z", 2, value); }

bool SimPoint3D::getData_raw(double& x, double& y, double& z) const {
  if (refused("Point3D.getData")) return false;
  x = xyz_[0];
  y = xyz_[1];
  z = xyz_[2];
  return true;
}

bool SimPoint3D::set_raw(double x, double y, double z) {
  if (refused("Point3D.set")) return false;
  xyz_ = {x, y, z};
  return true;
}

double* SimPoint3D::asArray_raw(size_t& return_size) const {
  return_size = 0;
  if (refused("Point3D.asArray")) return nullptr;
  return newHostDoubles({xyz_[0], xyz_[1], xyz_[2]}, return_size);
}

adsk::core::Point3D* SimPoint3D::copy_raw() const {
  if (refused("Point3D.copy")) return nullptr;
  return handOut(std::make_shared<SimPoint3D>(xyz_));
}

double SimPoint3D::distanceTo_raw(adsk::core::Point3D* point) const {
  auto* other = dynamic_cast<SimPoint3D*>(point);
  if (refused("Point3D.distanceTo") || !other) return 0.0;
  double dx = xyz_[0] - other->xyz_[0], dy = xyz_[1] - other->xyz_[1],
         dz = xyz_[2] - other->xyz_[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

}  // namespace fsim

namespace adsk {
namespace core {

Point3D* Point3D::create_raw(double x, double y, double z) {
  if (fsim::operationFails("Point3D.create")) return nullptr;
  return fsim::handOut(std::make_shared<fsim::SimPoint3D>(std::array<double, 3>{x, y, z}));
}

}  // namespace core
}  // namespace adsk

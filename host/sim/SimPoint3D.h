// A transient point: three coordinates, created by Point3D::create and handed to
// NurbsCurve3D::createNonRational, or returned as a curve's control points.
#pragma once

#include <Core/CoreAll.h>

#include <array>

#include "host/sim/Sim.h"

namespace fsim {

class SimPoint3D : public Sim<adsk::core::Point3D> {
 public:
  explicit SimPoint3D(const std::array<double, 3>& xyz) : xyz_(xyz) {}
  const std::array<double, 3>& xyz() const { return xyz_; }

 private:
  double x_raw() const override;
  bool x_raw(double value) override;
  double y_raw() const override;
  bool y_raw(double value) override;
  double z_raw() const override;
  bool z_raw(double value) override;
  bool getData_raw(double& x, double& y, double& z) const override;
  bool set_raw(double x, double y, double z) override;
  double* asArray_raw(size_t& return_size) const override;
  adsk::core::Point3D* copy_raw() const override;
  double distanceTo_raw(adsk::core::Point3D* point) const override;

  double coordinate(const char* operation, int axis) const;
  bool setCoordinate(const char* operation, int axis, double value);

  std::array<double, 3> xyz_;
};

}  // namespace fsim

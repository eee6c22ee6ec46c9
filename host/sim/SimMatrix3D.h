// A transient 4 x 4 transform: created by Matrix3D::create (the identity), handed out as a
// sketch's transform, read and changed by the add-in, and applied by NurbsCurve3D::transformBy.
#pragma once

#include <Core/CoreAll.h>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimMatrix3D : public Sim<adsk::core::Matrix3D> {
 public:
  explicit SimMatrix3D(const Transform& cells) : cells_(cells) {}
  const Transform& cells() const { return cells_; }

 private:
  bool invert_raw() override;
  adsk::core::Matrix3D* copy_raw() const override;
  bool transformBy_raw(adsk::core::Matrix3D* matrix) override;
  double getCell_raw(int row, int column) const override;
  bool setCell_raw(int row, int column, double value) override;
  double* asArray_raw(size_t& return_size) const override;
  bool setWithArray_raw(const double* cells, size_t cells_size) override;

  Transform cells_;
};

}  // namespace fsim

// One fixed spline of a sketch: its own copy of a NURBS curve.
#pragma once

#include <Fusion/FusionAll.h>

#include "host/driver/HostTypes.h"
#include "host/sim/Sim.h"

namespace fsim {

class SimSketchFixedSpline : public Sim<adsk::fusion::SketchFixedSpline> {
 public:
  explicit SimSketchFixedSpline(NurbsData curve) : curve_(std::move(curve)) {}
  const NurbsData& curve() const { return curve_; }

 private:
  adsk::core::NurbsCurve3D* geometry_raw() const override;
  adsk::core::NurbsCurve3D* worldGeometry_raw() const override;
  bool replaceGeometry_raw(adsk::core::NurbsCurve3D* nurbsCurve) override;

  NurbsData curve_;
};

}  // namespace fsim

// One fixed spline of a sketch: its own copy of a NURBS curve in sketch space, and the sketch's
// transform that places it in the model.
#pragma once

#include <Fusion/FusionAll.h>

#include "host/driver/HostTypes.h"
#include "host/sim/Sim.h"

namespace fsim {

class SimSketchFixedSpline : public Sim<adsk::fusion::SketchFixedSpline> {
 public:
  SimSketchFixedSpline(NurbsData curve, const Transform& transform)
      : curve_(std::move(curve)), transform_(transform) {}
  const NurbsData& curve() const { return curve_; }

 private:
  adsk::core::NurbsCurve3D* geometry_raw() const override;
  adsk::core::NurbsCurve3D* worldGeometry_raw() const override;
  bool replaceGeometry_raw(adsk::core::NurbsCurve3D* nurbsCurve) override;

  NurbsData curve_;
  Transform transform_;
};

}  // namespace fsim

// Curve graphics: a copy of a NURBS curve drawn with a weight, a colour and the entity flags.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>

#include "host/sim/SimCustomGraphicsEntity.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimCustomGraphicsCurve : public SimCustomGraphicsEntityOf<adsk::fusion::CustomGraphicsCurve> {
 public:
  SimCustomGraphicsCurve(NurbsData curve, std::weak_ptr<SimObject> group)
      : SimCustomGraphicsEntityOf(group, group), curve_(std::move(curve)) {}
  CurveGraphicsInfo info() const;

 private:
  double weight_raw() const override;
  bool weight_raw(double value) override;
  adsk::core::Curve3D* curve_raw() const override;
  bool curve_raw(adsk::core::Curve3D* value) override;
  adsk::fusion::LineStylePatterns lineStylePattern_raw() const override;

  NurbsData curve_;
  double weight_ = 1.0;
};

}  // namespace fsim

// A sketch's fixed splines: the spline collection that takes a NurbsCurve3D in sketch space,
// copying it.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <vector>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimSketchFixedSpline;

class SimSketchFixedSplines : public Sim<adsk::fusion::SketchFixedSplines> {
 public:
  /// The splines of a sketch whose space `transform` carries into model space.
  SimSketchFixedSplines(const Transform& transform, std::weak_ptr<SimObject> sketch)
      : transform_(transform), sketch_(std::move(sketch)) {}
  /// The splines' curves in creation order.
  std::vector<NurbsData> data() const;
  const std::vector<std::shared_ptr<SimSketchFixedSpline>>& all() const { return splines_; }
  /// Adds a spline as one saved in the design, without fault injection.
  std::shared_ptr<SimSketchFixedSpline> add(NurbsData curve);
  void markDeleted() override;

 private:
  adsk::fusion::SketchFixedSpline* addByNurbsCurve_raw(adsk::core::NurbsCurve3D* curve) override;
  adsk::fusion::SketchFixedSpline* item_raw(size_t index) const override;
  size_t count_raw() const override;

  Transform transform_;
  std::weak_ptr<SimObject> sketch_;
  std::vector<std::shared_ptr<SimSketchFixedSpline>> splines_;
};

}  // namespace fsim

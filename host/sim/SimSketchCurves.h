// A sketch's curves. Only the fixed splines (the collection that takes a NurbsCurve3D) are
// simulated; the fitted and control-point spline collections answer null.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <vector>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimSketchFixedSplines;

class SimSketchCurves : public Sim<adsk::fusion::SketchCurves> {
 public:
  /// The curves of a sketch whose space `transform` carries into model space.
  SimSketchCurves(const Transform& transform, std::weak_ptr<SimObject> sketch);
  SimSketchFixedSplines& fixedSplines() const { return *fixed_; }
  void markDeleted() override;

 private:
  adsk::fusion::SketchFixedSplines* sketchFixedSplines_raw() const override;
  adsk::fusion::SketchFittedSplines* sketchFittedSplines_raw() const override;
  adsk::fusion::SketchControlPointSplines* sketchControlPointSplines_raw() const override;

  std::shared_ptr<SimSketchFixedSplines> fixed_;
};

}  // namespace fsim

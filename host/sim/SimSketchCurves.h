// A sketch's curves: the fixed splines (the collection that takes a NurbsCurve3D) and one fixed
// spline. Fitted and control-point splines are not simulated: their collections answer null.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <vector>

#include "host/driver/HostSession.h"
#include "host/sim/Sim.h"

namespace fsim {

class SimSketchFixedSplines;
class SimSketchFixedSpline;

class SimSketchCurves : public Sim<adsk::fusion::SketchCurves> {
 public:
  SimSketchCurves();
  SimSketchFixedSplines& fixedSplines() const { return *fixed_; }
  void markDeleted() override;

 private:
  adsk::fusion::SketchFixedSplines* sketchFixedSplines_raw() const override;
  adsk::fusion::SketchFittedSplines* sketchFittedSplines_raw() const override;
  adsk::fusion::SketchControlPointSplines* sketchControlPointSplines_raw() const override;

  std::shared_ptr<SimSketchFixedSplines> fixed_;
};

class SimSketchFixedSplines : public Sim<adsk::fusion::SketchFixedSplines> {
 public:
  /// The splines' curves in creation order.
  std::vector<NurbsData> data() const;
  void markDeleted() override;

 private:
  adsk::fusion::SketchFixedSpline* addByNurbsCurve_raw(adsk::core::NurbsCurve3D* curve) override;
  adsk::fusion::SketchFixedSpline* item_raw(size_t index) const override;
  size_t count_raw() const override;

  std::vector<std::shared_ptr<SimSketchFixedSpline>> splines_;
};

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

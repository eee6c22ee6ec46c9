// A sketch of the root component: its name, plane, the transform from its space to model space
// that the plane gives it, and curves with their fixed splines. The transform cannot be changed:
// moving a sketch is not simulated.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <string>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimSketchCurves;

class SimSketch : public Sim<adsk::fusion::Sketch> {
 public:
  static std::shared_ptr<SimSketch> create(std::string name, SketchPlane plane,
                                           std::shared_ptr<SimObject> planeObject,
                                           const Transform& transform, bool createdDuringSession);
  SimSketch(std::string name, SketchPlane plane, std::shared_ptr<SimObject> planeObject,
            const Transform& transform, bool createdDuringSession)
      : name_(std::move(name)),
        plane_(plane),
        planeObject_(std::move(planeObject)),
        transform_(transform),
        createdDuringSession_(createdDuringSession) {}

  const std::string& name() const { return name_; }
  SimSketchCurves& curves() const { return *curves_; }
  SketchInfo info() const;
  void markDeleted() override;

 private:
  adsk::fusion::SketchCurves* sketchCurves_raw() const override;
  adsk::core::Matrix3D* transform_raw() const override;
  bool transform_raw(adsk::core::Matrix3D* value) override;
  adsk::core::Point3D* modelToSketchSpace_raw(adsk::core::Point3D* modelCoordinate) override;
  adsk::core::Point3D* sketchToModelSpace_raw(adsk::core::Point3D* sketchCoordinate) override;
  char* name_raw() const override;
  bool name_raw(const char* value) override;
  adsk::core::Base* referencePlane_raw() const override;
  bool isComputeDeferred_raw() const override;
  bool isComputeDeferred_raw(bool value) override;

  std::string name_;
  SketchPlane plane_;
  std::shared_ptr<SimObject> planeObject_;
  Transform transform_;
  bool createdDuringSession_;
  bool computeDeferred_ = false;
  std::shared_ptr<SimSketchCurves> curves_;
};

}  // namespace fsim

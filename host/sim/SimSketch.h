// A sketch of the root component: its name, plane, and curves with their fixed splines.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <string>

#include "host/driver/HostTypes.h"
#include "host/sim/Sim.h"

namespace fsim {

class SimSketchCurves;

class SimSketch : public Sim<adsk::fusion::Sketch> {
 public:
  static std::shared_ptr<SimSketch> create(std::string name, OriginPlane plane,
                                           std::shared_ptr<SimObject> planeObject,
                                           bool createdDuringSession);
  SimSketch(std::string name, OriginPlane plane, std::shared_ptr<SimObject> planeObject,
            bool createdDuringSession)
      : name_(std::move(name)),
        plane_(plane),
        planeObject_(std::move(planeObject)),
        createdDuringSession_(createdDuringSession) {}

  const std::string& name() const { return name_; }
  SketchInfo info() const;
  void markDeleted() override;

 private:
  adsk::fusion::SketchCurves* sketchCurves_raw() const override;
  char* name_raw() const override;
  bool name_raw(const char* value) override;
  adsk::core::Base* referencePlane_raw() const override;
  bool isComputeDeferred_raw() const override;
  bool isComputeDeferred_raw(bool value) override;

  std::string name_;
  OriginPlane plane_;
  std::shared_ptr<SimObject> planeObject_;
  bool createdDuringSession_;
  bool computeDeferred_ = false;
  std::shared_ptr<SimSketchCurves> curves_;
};

}  // namespace fsim

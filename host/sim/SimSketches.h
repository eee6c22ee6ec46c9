// The root component's sketches, and one sketch with its curves and fixed splines. A sketch is
// added on an origin construction plane and named Sketch1, Sketch2, ... in creation order.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/driver/HostSession.h"
#include "host/sim/Sim.h"

namespace fsim {

class SimComponent;
class SimSketch;
class SimSketchCurves;
class SimSketchFixedSplines;
class SimSketchFixedSpline;

class SimSketches : public Sim<adsk::fusion::Sketches> {
 public:
  explicit SimSketches(const SimComponent& component) : component_(component) {}

  /// Adds a sketch on an origin plane; createdDuringSession tells the add-in's from the test's.
  std::shared_ptr<SimSketch> addSketch(OriginPlane plane, bool createdDuringSession);
  std::shared_ptr<SimSketch> find(const std::string& name) const;
  const std::vector<std::shared_ptr<SimSketch>>& all() const { return sketches_; }
  void markDeleted() override;

 private:
  adsk::fusion::Sketch* add_raw(adsk::core::Base* planarEntity,
                                adsk::fusion::Occurrence* occurrenceForCreation) override;
  adsk::fusion::Sketch* item_raw(size_t index) const override;
  adsk::fusion::Sketch* itemByName_raw(const char* name) const override;
  size_t count_raw() const override;

  const SimComponent& component_;
  std::vector<std::shared_ptr<SimSketch>> sketches_;
  int created_ = 0;
};

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

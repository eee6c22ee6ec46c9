// The root component's sketches. A sketch is added on a construction plane and named
// Sketch1, Sketch2, ... in creation order.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimComponent;
class SimSketch;

class SimSketches : public Sim<adsk::fusion::Sketches> {
 public:
  explicit SimSketches(const SimComponent& component) : component_(component) {}

  /// Adds a sketch on a construction plane; createdDuringSession tells the add-in's from the
  /// test's.
  std::shared_ptr<SimSketch> addSketch(SketchPlane plane, bool createdDuringSession);
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

}  // namespace fsim

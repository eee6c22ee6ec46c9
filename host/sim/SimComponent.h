// The design's root component: its sketches, its three origin construction planes, one
// construction plane that is offset and turned, and its custom graphics groups.
#pragma once

#include <Fusion/FusionAll.h>

#include <array>
#include <memory>
#include <string>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimSketches;
class SimConstructionPlane;
class SimCustomGraphicsGroups;

class SimComponent : public Sim<adsk::fusion::Component> {
 public:
  static std::shared_ptr<SimComponent> create();

  SimSketches& sketches() const { return *sketches_; }
  SimCustomGraphicsGroups& graphicsGroups() const { return *groups_; }
  const std::shared_ptr<SimConstructionPlane>& plane(SketchPlane which) const {
    return planes_[static_cast<size_t>(which)];
  }
  void markDeleted() override;

 private:
  adsk::fusion::Sketches* sketches_raw() const override;
  adsk::fusion::ConstructionPlane* xYConstructionPlane_raw() const override;
  adsk::fusion::ConstructionPlane* xZConstructionPlane_raw() const override;
  adsk::fusion::ConstructionPlane* yZConstructionPlane_raw() const override;
  adsk::fusion::CustomGraphicsGroups* customGraphicsGroups_raw() const override;

  std::shared_ptr<SimSketches> sketches_;
  std::array<std::shared_ptr<SimConstructionPlane>, 4> planes_;
  std::shared_ptr<SimCustomGraphicsGroups> groups_;
};

}  // namespace fsim

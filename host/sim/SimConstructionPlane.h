// An origin construction plane of the root component; sketches can be added on it.
#pragma once

#include <Fusion/FusionAll.h>

#include <string>

#include "host/driver/HostTypes.h"
#include "host/sim/Sim.h"

namespace fsim {

/// An origin construction plane; sketches can be added on it.
class SimConstructionPlane : public Sim<adsk::fusion::ConstructionPlane> {
 public:
  explicit SimConstructionPlane(OriginPlane which) : which_(which) {}
  OriginPlane which() const { return which_; }
  /// "XY", "XZ" or "YZ".
  std::string shortName() const;

 private:
  adsk::core::Plane* geometry_raw() const override;
  char* name_raw() const override;

  OriginPlane which_;
};

}  // namespace fsim

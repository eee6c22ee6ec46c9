// A construction plane of the root component, one of the origin planes or the turned plane of
// SketchPlane::Tilted; sketches can be added on it and take their space from it.
#pragma once

#include <Fusion/FusionAll.h>

#include <string>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

/// A construction plane; sketches can be added on it.
class SimConstructionPlane : public Sim<adsk::fusion::ConstructionPlane> {
 public:
  explicit SimConstructionPlane(SketchPlane which) : which_(which) {}
  SketchPlane which() const { return which_; }
  /// "XY", "XZ", "YZ" or "Tilted".
  std::string shortName() const;
  /// The transform from the space of a sketch on this plane to model space (see SketchPlane).
  Transform sketchTransform() const;

 private:
  adsk::core::Plane* geometry_raw() const override;
  char* name_raw() const override;

  SketchPlane which_;
};

}  // namespace fsim

// A design's user parameters: Design::userParameters.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>

#include "host/sim/Sim.h"

namespace fsim {

class SimDesign;

/// A design's user parameters.
class SimUserParameters : public Sim<adsk::fusion::UserParameters> {
 public:
  explicit SimUserParameters(const SimDesign& design) : design_(design) {}

 private:
  adsk::fusion::UserParameter* item_raw(size_t index) const override;
  adsk::fusion::UserParameter* itemByName_raw(const char* name) const override;
  size_t count_raw() const override;
  adsk::fusion::Design* design_raw() const override;

  const SimDesign& design_;
};

}  // namespace fsim

// All of a design's parameters, user parameters first, read-only: Design::allParameters.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>

#include "host/sim/Sim.h"

namespace fsim {

class SimDesign;

/// All of a design's parameters, user parameters first, read-only.
class SimParameterList : public Sim<adsk::fusion::ParameterList> {
 public:
  explicit SimParameterList(const SimDesign& design) : design_(design) {}

 private:
  adsk::fusion::Parameter* item_raw(size_t index) const override;
  adsk::fusion::Parameter* itemByName_raw(const char* name) const override;
  size_t count_raw() const override;
  bool isReadOnly_raw() const override;

  std::shared_ptr<SimObject> at(size_t index) const;
  const SimDesign& design_;
};

}  // namespace fsim

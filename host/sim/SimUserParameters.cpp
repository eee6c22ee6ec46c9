// The simulated user parameters.
#include "host/sim/SimUserParameters.h"

#include "host/sim/Lookup.h"
#include "host/sim/SimDesign.h"

namespace fsim {

adsk::fusion::UserParameter* SimUserParameters::item_raw(size_t index) const {
  if (refused("UserParameters.item")) return nullptr;
  return handOut(childAt(design_.userParameters(), index));
}

adsk::fusion::UserParameter* SimUserParameters::itemByName_raw(const char* name) const {
  if (refused("UserParameters.itemByName") || !name) return nullptr;
  for (const auto& p : design_.userParameters()) {
    if (p->name() == name) return handOut(p);
  }
  return nullptr;
}

size_t SimUserParameters::count_raw() const {
  if (refused("UserParameters.count")) return 0;
  return design_.userParameters().size();
}

adsk::fusion::Design* SimUserParameters::design_raw() const {
  if (refused("UserParameters.design")) return nullptr;
  auto design = std::const_pointer_cast<SimObject>(design_.shared_from_this());
  return handOut(std::static_pointer_cast<SimDesign>(design));
}

}  // namespace fsim

// The simulated list of all parameters.
#include "host/sim/SimParameterList.h"

#include "host/sim/SimDesign.h"

namespace fsim {

std::shared_ptr<SimObject> SimParameterList::at(size_t index) const {
  const auto& user = design_.userParameters();
  if (index < user.size()) return user[index];
  index -= user.size();
  const auto& model = design_.modelParameters();
  return index < model.size() ? model[index] : nullptr;
}

adsk::fusion::Parameter* SimParameterList::item_raw(size_t index) const {
  if (refused("ParameterList.item")) return nullptr;
  return handOutAs<adsk::fusion::Parameter>(at(index).get());
}

adsk::fusion::Parameter* SimParameterList::itemByName_raw(const char* name) const {
  if (refused("ParameterList.itemByName") || !name) return nullptr;
  for (const auto& p : design_.userParameters()) {
    if (p->name() == name) return handOut(p);
  }
  for (const auto& p : design_.modelParameters()) {
    if (p->name() == name) return handOut(p);
  }
  return nullptr;
}

size_t SimParameterList::count_raw() const {
  if (refused("ParameterList.count")) return 0;
  return design_.userParameters().size() + design_.modelParameters().size();
}

bool SimParameterList::isReadOnly_raw() const {
  refused("ParameterList.isReadOnly");
  return true;
}

}  // namespace fsim

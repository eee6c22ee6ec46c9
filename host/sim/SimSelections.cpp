// The simulated selection.
#include "host/sim/SimSelections.h"

namespace fsim {

adsk::core::Base* SimSelection::entity_raw() const {
  if (refused("Selection.entity") || !entity_->alive()) return nullptr;
  return handOutAs(entity_.get());
}

void SimSelections::select(const std::vector<std::shared_ptr<SimObject>>& entities) {
  clearAll();
  for (const auto& entity : entities) {
    selections_.push_back(std::make_shared<SimSelection>(entity));
  }
}

void SimSelections::clearAll() {
  for (auto& selection : selections_) selection->markDeleted();
  selections_.clear();
}

// The host marks every object deleted in one pass over all of them when it ends, so the
// selections are only marked here: destroying them now would pull them out of that pass.
void SimSelections::markDeleted() {
  SimObject::markDeleted();
  for (auto& selection : selections_) selection->markDeleted();
}

adsk::core::Selection* SimSelections::item_raw(size_t index) const {
  if (refused("Selections.item") || index >= selections_.size()) return nullptr;
  return handOut(selections_[index]);
}

size_t SimSelections::count_raw() const {
  if (refused("Selections.count")) return 0;
  return selections_.size();
}

bool SimSelections::clear_raw() {
  if (refused("Selections.clear")) return false;
  clearAll();
  return true;
}

}  // namespace fsim

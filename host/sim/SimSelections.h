// The user interface's active selection: the objects the user picked, in the order picked.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <vector>

#include "host/sim/Sim.h"

namespace fsim {

class SimSelection : public Sim<adsk::core::Selection> {
 public:
  explicit SimSelection(std::shared_ptr<SimObject> entity) : entity_(std::move(entity)) {}

 private:
  adsk::core::Base* entity_raw() const override;

  std::shared_ptr<SimObject> entity_;
};

class SimSelections : public Sim<adsk::core::Selections> {
 public:
  /// The user's pick: the selection then holds these objects only.
  void select(const std::vector<std::shared_ptr<SimObject>>& entities);
  void clearAll();
  std::size_t size() const { return selections_.size(); }
  void markDeleted() override;

 private:
  adsk::core::Selection* item_raw(size_t index) const override;
  size_t count_raw() const override;
  bool clear_raw() override;

  std::vector<std::shared_ptr<SimSelection>> selections_;
};

}  // namespace fsim

// The root component's custom graphics groups: add, count, item; a group deletes itself.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/SimCustomGraphicsEntity.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimCustomGraphicsGroup;

class SimCustomGraphicsGroups : public Sim<adsk::fusion::CustomGraphicsGroups>,
                                public GraphicsContainer {
 public:
  /// component: the groups' parent.
  explicit SimCustomGraphicsGroups(std::weak_ptr<SimObject> component)
      : component_(std::move(component)) {}
  const std::vector<std::shared_ptr<SimCustomGraphicsGroup>>& all() const { return groups_; }
  /// Appends an empty group with `id`, as another add-in would make one; no fault applies.
  void addGroup(std::string id);
  bool removeEntity(const SimObject* entity) override;
  void markDeleted() override;

 private:
  adsk::fusion::CustomGraphicsGroup* add_raw() override;
  size_t count_raw() const override;
  adsk::fusion::CustomGraphicsGroup* item_raw(size_t index) const override;

  std::weak_ptr<SimObject> component_;
  std::vector<std::shared_ptr<SimCustomGraphicsGroup>> groups_;
};

}  // namespace fsim

// A custom graphics group: curve graphics and nested groups, deleted as a whole.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <vector>

#include "host/sim/SimCustomGraphicsEntity.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimCustomGraphicsGroup : public SimCustomGraphicsEntityOf<adsk::fusion::CustomGraphicsGroup>,
                               public GraphicsContainer {
 public:
  using SimCustomGraphicsEntityOf::SimCustomGraphicsEntityOf;
  GraphicsGroupInfo info() const;
  bool removeEntity(const SimObject* entity) override;
  void markDeleted() override;

 private:
  adsk::fusion::CustomGraphicsCurve* addCurve_raw(adsk::core::Curve3D* curve) override;
  adsk::fusion::CustomGraphicsGroup* addGroup_raw() override;
  adsk::fusion::CustomGraphicsEntity* item_raw(size_t index) const override;
  size_t count_raw() const override;
  bool isChildrenSelectable_raw() const override;
  bool isChildrenSelectable_raw(bool value) override;

  std::vector<std::shared_ptr<SimObject>> children_;
  bool childrenSelectable_ = true;
};

}  // namespace fsim

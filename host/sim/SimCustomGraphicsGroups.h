// The root component's custom graphics groups, a group (curves and nested groups), and a curve
// graphics entity that draws a copy of a NURBS curve with a weight and a colour.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <vector>

#include "host/driver/HostSession.h"
#include "host/sim/SimCustomGraphicsEntity.h"

namespace fsim {

class SimCustomGraphicsGroup;

class SimCustomGraphicsGroups : public Sim<adsk::fusion::CustomGraphicsGroups>,
                                public GraphicsContainer {
 public:
  /// component: the groups' parent.
  explicit SimCustomGraphicsGroups(std::weak_ptr<SimObject> component)
      : component_(std::move(component)) {}
  const std::vector<std::shared_ptr<SimCustomGraphicsGroup>>& all() const { return groups_; }
  bool removeEntity(const SimObject* entity) override;
  void markDeleted() override;

 private:
  adsk::fusion::CustomGraphicsGroup* add_raw() override;
  size_t count_raw() const override;
  adsk::fusion::CustomGraphicsGroup* item_raw(size_t index) const override;

  std::weak_ptr<SimObject> component_;
  std::vector<std::shared_ptr<SimCustomGraphicsGroup>> groups_;
};

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

class SimCustomGraphicsCurve : public SimCustomGraphicsEntityOf<adsk::fusion::CustomGraphicsCurve> {
 public:
  SimCustomGraphicsCurve(NurbsData curve, std::weak_ptr<SimObject> group)
      : SimCustomGraphicsEntityOf(group, group), curve_(std::move(curve)) {}
  CurveGraphicsInfo info() const;

 private:
  double weight_raw() const override;
  bool weight_raw(double value) override;
  adsk::core::Curve3D* curve_raw() const override;
  bool curve_raw(adsk::core::Curve3D* value) override;
  adsk::fusion::LineStylePatterns lineStylePattern_raw() const override;

  NurbsData curve_;
  double weight_ = 1.0;
};

}  // namespace fsim

// What custom graphics groups and curves share: ID, visibility, selectability, colour effect,
// opacity, depth priority, parent, and deletion from the container that holds them.
#pragma once

#include <Fusion/FusionAll.h>

#include <array>
#include <memory>
#include <string>
#include <utility>

#include "host/sim/HostArrays.h"
#include "host/sim/Sim.h"
#include "host/sim/SimCustomGraphicsSolidColorEffect.h"

namespace fsim {

/// Something that holds custom graphics entities: the root component's groups, or a group.
class GraphicsContainer {
 public:
  virtual ~GraphicsContainer() = default;
  /// Takes the entity out; false if it is not there.
  virtual bool removeEntity(const SimObject* entity) = 0;
};

/// The members of CustomGraphicsEntity, for Api = CustomGraphicsGroup or CustomGraphicsCurve.
template <class Api>
class SimCustomGraphicsEntityOf : public Sim<Api> {
 public:
  /// parent: what parent() answers (the component for top-level groups); container: what holds
  /// the entity and deletes it.
  SimCustomGraphicsEntityOf(std::weak_ptr<SimObject> parent, std::weak_ptr<SimObject> container)
      : parent_(std::move(parent)), container_(std::move(container)) {}

  const std::string& id() const { return id_; }
  /// Sets the ID as another add-in would; no fault applies.
  void setId(std::string id) { id_ = std::move(id); }
  bool visible() const { return visible_; }
  bool selectable() const { return selectable_; }
  /// r, g, b, opacity of the colour effect; all -1 without one.
  std::array<int, 4> colorInfo() const {
    if (!color_) return {-1, -1, -1, -1};
    const auto& c = color_->rgba();
    return {c[0], c[1], c[2], c[3]};
  }

 private:
  char* id_raw() const override {
    if (this->refused("CustomGraphicsEntity.id")) return nullptr;
    return newHostString(id_);
  }
  bool id_raw(const char* value) override {
    if (this->refused("CustomGraphicsEntity.id") || !value) return false;
    id_ = value;
    return true;
  }
  bool deleteMe_raw() override {
    if (this->refused("CustomGraphicsEntity.deleteMe")) return false;
    std::shared_ptr<SimObject> self = this->shared_from_this();
    this->markDeleted();
    std::shared_ptr<SimObject> container = container_.lock();
    if (auto* holder = dynamic_cast<GraphicsContainer*>(container.get())) {
      holder->removeEntity(this);
    }
    return true;
  }
  bool isVisible_raw() const override {
    return !this->refused("CustomGraphicsEntity.isVisible") && visible_;
  }
  bool isVisible_raw(bool value) override {
    if (this->refused("CustomGraphicsEntity.isVisible")) return false;
    visible_ = value;
    return true;
  }
  bool isSelectable_raw() const override {
    return !this->refused("CustomGraphicsEntity.isSelectable") && selectable_;
  }
  bool isSelectable_raw(bool value) override {
    if (this->refused("CustomGraphicsEntity.isSelectable")) return false;
    selectable_ = value;
    return true;
  }
  adsk::fusion::CustomGraphicsColorEffect* color_raw() const override {
    if (this->refused("CustomGraphicsEntity.color")) return nullptr;
    return handOut(color_);
  }
  bool color_raw(adsk::fusion::CustomGraphicsColorEffect* value) override {
    auto* effect = dynamic_cast<SimCustomGraphicsSolidColorEffect*>(value);
    if (this->refused("CustomGraphicsEntity.color") || !effect) return false;
    color_ =
        std::static_pointer_cast<SimCustomGraphicsSolidColorEffect>(effect->shared_from_this());
    return true;
  }
  bool setOpacity_raw(double opacity, bool isOverride) override {
    if (this->refused("CustomGraphicsEntity.setOpacity") || !(opacity >= 0 && opacity <= 1)) {
      return false;
    }
    opacity_ = opacity;
    opacityOverride_ = isOverride;
    return true;
  }
  int depthPriority_raw() const override {
    if (this->refused("CustomGraphicsEntity.depthPriority")) return 0;
    return depthPriority_;
  }
  bool depthPriority_raw(int value) override {
    if (this->refused("CustomGraphicsEntity.depthPriority")) return false;
    depthPriority_ = value;
    return true;
  }
  char* name_raw() const override {
    if (this->refused("CustomGraphicsEntity.name")) return nullptr;
    return newHostString("");
  }
  adsk::core::Base* parent_raw() const override {
    if (this->refused("CustomGraphicsEntity.parent")) return nullptr;
    return handOutAs(parent_.lock().get());
  }

  std::weak_ptr<SimObject> parent_, container_;
  std::string id_;
  bool visible_ = true;
  bool selectable_ = true;
  std::shared_ptr<SimCustomGraphicsSolidColorEffect> color_;
  double opacity_ = 1.0;
  bool opacityOverride_ = false;
  int depthPriority_ = 0;
};

}  // namespace fsim

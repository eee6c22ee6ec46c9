#include "fusionkit/CustomGraphicsManager.h"

#include <utility>

#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using namespace adsk::fusion;

namespace hv {
namespace f360 {

namespace {

Ptr<CustomGraphicsGroups> rootComponentGroups(const Ptr<Application>& app) {
  Ptr<Design> design = app->activeProduct();
  throwIfNull(design);
  Ptr<Component> rootComponent = design->rootComponent();
  throwIfNull(rootComponent);
  return rootComponent->customGraphicsGroups();
}

}  // namespace

CustomGraphicsManager::CustomGraphicsManager(Ptr<Application> app, std::string groupId)
    : app_(std::move(app)), groupId_(std::move(groupId)) {
  throwIfNull(app_);
  // The design and its root component are held until the new group carries its ID.
  Ptr<Design> design = app_->activeProduct();
  throwIfNull(design);
  Ptr<Component> rootComponent = design->rootComponent();
  throwIfNull(rootComponent);
  Ptr<CustomGraphicsGroups> groups = rootComponent->customGraphicsGroups();
  throwIfNull(groups);
  Ptr<CustomGraphicsGroup> group = groups->add();
  groups = nullptr;
  throwIfNull(group);
  group->id(groupId_);
}

CustomGraphicsManager::~CustomGraphicsManager() {
  try {
    Ptr<CustomGraphicsGroup> group = findGroup();
    if (group) {
      group->deleteMe();
      refreshViewport();
    }
  } catch (const std::exception&) {
    // The preview may already be gone with its design; nothing is left to clean up.
  }
  groupId_.clear();
  app_ = nullptr;
}

Ptr<CustomGraphicsGroup> CustomGraphicsManager::findGroup() const {
  try {
    throwIfNull(app_);
    Ptr<CustomGraphicsGroups> groups = rootComponentGroups(app_);
    throwIfNull(groups);
    for (size_t i = 0; i < groups->count(); ++i) {
      Ptr<CustomGraphicsGroup> group = groups->item(i);
      throwIfNull(group);
      if (group->id() == groupId_) return group;
    }
  } catch (const std::exception&) {
    // Any failure on the way means the group cannot be found.
  }
  return nullptr;
}

void CustomGraphicsManager::addCurve(const Ptr<NurbsCurve3D>& curve, double weight,
                                     const Ptr<Color>& color) {
  Ptr<CustomGraphicsGroup> group = findGroup();
  Ptr<Curve3D> curve3D = curve;
  throwIfNull(group);
  Ptr<CustomGraphicsCurve> curveGraphics = group->addCurve(curve3D);
  curve3D = nullptr;
  throwIfNull(curveGraphics);
  curveGraphics->isSelectable(false);
  curveGraphics->weight(weight);
  Ptr<CustomGraphicsColorEffect> colorEffect = CustomGraphicsSolidColorEffect::create(color);
  curveGraphics->color(colorEffect);
  throwIfNull(app_);
  Ptr<Viewport> viewport = app_->activeViewport();
  throwIfNull(viewport);
  viewport->refresh();
}

void CustomGraphicsManager::refreshViewport() const {
  if (!app_) return;
  Ptr<Viewport> viewport = app_->activeViewport();
  if (viewport) viewport->refresh();
}

}  // namespace f360
}  // namespace hv

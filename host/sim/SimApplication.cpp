// The simulated application and the exported Application::get_raw.
#include "host/sim/SimApplication.h"

#include "host/sim/HostArrays.h"
#include "host/sim/SimComponent.h"
#include "host/sim/SimDesign.h"
#include "host/sim/SimOtherProduct.h"
#include "host/sim/SimSketch.h"
#include "host/sim/SimUserInterface.h"
#include "host/sim/SimViewport.h"

namespace fsim {

std::shared_ptr<SimApplication> SimApplication::create() {
  auto app = std::make_shared<SimApplication>();
  app->userInterface_ = SimUserInterface::create();
  app->design_ = SimDesign::create();
  app->otherProduct_ = SimOtherProduct::create();
  app->viewport_ = std::make_shared<SimViewport>();
  return app;
}

void SimApplication::markDeleted() {
  SimObject::markDeleted();
  editSketch_.reset();
}

adsk::core::UserInterface* SimApplication::userInterface_raw() const {
  if (refused("Application.userInterface")) return nullptr;
  return handOut(userInterface_);
}

adsk::core::Product* SimApplication::activeProduct_raw() const {
  if (refused("Application.activeProduct")) return nullptr;
  switch (activeProduct_) {
    case ActiveProduct::Design:
      return handOut(design_);
    case ActiveProduct::OtherProduct:
      return handOut(otherProduct_);
    case ActiveProduct::None:
      break;
  }
  return nullptr;
}

adsk::core::Base* SimApplication::activeEditObject_raw() const {
  if (refused("Application.activeEditObject")) return nullptr;
  // Without an active design there is nothing of ours to edit.
  if (activeProduct_ != ActiveProduct::Design) return nullptr;
  std::shared_ptr<SimSketch> sketch = editSketch_.lock();
  if (sketch && sketch->alive()) return handOut(sketch);
  return handOut(design_->root());
}

adsk::core::Viewport* SimApplication::activeViewport_raw() const {
  if (refused("Application.activeViewport")) return nullptr;
  return handOut(viewport_);
}

int SimApplication::getLastError_raw(char** description) const {
  Host* host = Host::current();
  if (description) *description = newHostString(host ? host->lastErrorDescription : "");
  return host ? host->lastError : 0;
}

}  // namespace fsim

namespace adsk {
namespace core {

Application* Application::get_raw() {
  fsim::Host* host = fsim::Host::current();
  if (!host || fsim::operationFails("Application.get")) return nullptr;
  return fsim::handOut(host->application);
}

}  // namespace core
}  // namespace adsk

// The application object of the simulated host: the root from which an add-in reaches the user
// interface, the active product (the design, another product or none), the edit target and the
// viewport. Application::get answers the current session's instance.
#pragma once

#include <Core/CoreAll.h>

#include <memory>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimUserInterface;
class SimDesign;
class SimOtherProduct;
class SimViewport;
class SimSketch;

class SimApplication : public Sim<adsk::core::Application> {
 public:
  /// The application with its user interface, an empty design as active product, and a viewport.
  static std::shared_ptr<SimApplication> create();

  SimUserInterface& userInterface() const { return *userInterface_; }
  SimDesign& design() const { return *design_; }
  void activeProduct(ActiveProduct product) { activeProduct_ = product; }
  /// The sketch in edit, or null for the root component.
  void editSketch(const std::shared_ptr<SimSketch>& sketch) { editSketch_ = sketch; }

  void markDeleted() override;

 private:
  adsk::core::UserInterface* userInterface_raw() const override;
  adsk::core::Product* activeProduct_raw() const override;
  adsk::core::Base* activeEditObject_raw() const override;
  adsk::core::Viewport* activeViewport_raw() const override;
  int getLastError_raw(char** description) const override;

  std::shared_ptr<SimUserInterface> userInterface_;
  std::shared_ptr<SimDesign> design_;
  std::shared_ptr<SimOtherProduct> otherProduct_;
  std::shared_ptr<SimViewport> viewport_;
  ActiveProduct activeProduct_ = ActiveProduct::Design;
  std::weak_ptr<SimSketch> editSketch_;
};

}  // namespace fsim

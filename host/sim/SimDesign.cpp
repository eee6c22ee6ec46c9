// The simulated design.
#include "host/sim/SimDesign.h"

#include "host/sim/HostArrays.h"
#include "host/sim/SimComponent.h"
#include "host/sim/SimParameterList.h"
#include "host/sim/SimUserParameters.h"

namespace fsim {

std::shared_ptr<SimDesign> SimDesign::create() {
  auto design = std::make_shared<SimDesign>();
  design->root_ = SimComponent::create();
  design->userCollection_ = std::make_shared<SimUserParameters>(*design);
  design->allCollection_ = std::make_shared<SimParameterList>(*design);
  return design;
}

void SimDesign::addUserParameter(const std::string& name, double value) {
  user_.push_back(std::make_shared<SimUserParameter>(name, value));
}

void SimDesign::addModelParameter(const std::string& name, double value) {
  model_.push_back(std::make_shared<SimModelParameter>(name, value));
}

void SimDesign::addTextParameter(const std::string& name, const std::string& text) {
  user_.push_back(std::make_shared<SimUserParameter>(name, text));
}

bool SimDesign::setParameterValue(const std::string& name, double value) {
  for (auto& p : user_) {
    if (p->name() == name) {
      p->setValue(value);
      return true;
    }
  }
  for (auto& p : model_) {
    if (p->name() == name) {
      p->setValue(value);
      return true;
    }
  }
  return false;
}

bool SimDesign::deleteUserParameter(const std::string& name) {
  for (auto it = user_.begin(); it != user_.end(); ++it) {
    if ((*it)->name() == name) {
      (*it)->markDeleted();
      user_.erase(it);
      return true;
    }
  }
  return false;
}

void SimDesign::markDeleted() {
  SimObject::markDeleted();
  for (auto& p : user_) p->markDeleted();
  for (auto& p : model_) p->markDeleted();
  root_->markDeleted();
  userCollection_->markDeleted();
  allCollection_->markDeleted();
}

char* SimDesign::productType_raw() const {
  if (refused("Product.productType")) return nullptr;
  return newHostString("DesignProductType");
}

adsk::core::Document* SimDesign::parentDocument_raw() const {
  refused("Product.parentDocument");
  return nullptr;  // documents are not simulated
}

adsk::fusion::Component* SimDesign::rootComponent_raw() const {
  if (refused("Design.rootComponent")) return nullptr;
  return handOut(root_);
}

adsk::fusion::UserParameters* SimDesign::userParameters_raw() const {
  if (refused("Design.userParameters")) return nullptr;
  return handOut(userCollection_);
}

adsk::fusion::ParameterList* SimDesign::allParameters_raw() const {
  if (refused("Design.allParameters")) return nullptr;
  return handOut(allCollection_);
}

}  // namespace fsim

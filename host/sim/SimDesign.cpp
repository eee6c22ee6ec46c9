// The simulated design and its parameter collections.
#include "host/sim/SimDesign.h"

#include "host/sim/HostArrays.h"
#include "host/sim/Lookup.h"
#include "host/sim/SimComponent.h"

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

std::shared_ptr<SimObject> SimParameterList::at(size_t index) const {
  const auto& user = design_.userParameters();
  if (index < user.size()) return user[index];
  index -= user.size();
  const auto& model = design_.modelParameters();
  return index < model.size() ? model[index] : nullptr;
}

adsk::fusion::Parameter* SimParameterList::item_raw(size_t index) const {
  if (refused("ParameterList.item")) return nullptr;
  std::shared_ptr<SimObject> parameter = at(index);
  if (!parameter) return nullptr;
  parameter->addOutsideReference();
  return parameter->api()->query<adsk::fusion::Parameter>();
}

adsk::fusion::Parameter* SimParameterList::itemByName_raw(const char* name) const {
  if (refused("ParameterList.itemByName") || !name) return nullptr;
  for (const auto& p : design_.userParameters()) {
    if (p->name() == name) return handOut(p);
  }
  for (const auto& p : design_.modelParameters()) {
    if (p->name() == name) return handOut(p);
  }
  return nullptr;
}

size_t SimParameterList::count_raw() const {
  if (refused("ParameterList.count")) return 0;
  return design_.userParameters().size() + design_.modelParameters().size();
}

bool SimParameterList::isReadOnly_raw() const {
  refused("ParameterList.isReadOnly");
  return true;
}

adsk::fusion::UserParameter* SimUserParameters::item_raw(size_t index) const {
  if (refused("UserParameters.item")) return nullptr;
  return handOut(childAt(design_.userParameters(), index));
}

adsk::fusion::UserParameter* SimUserParameters::itemByName_raw(const char* name) const {
  if (refused("UserParameters.itemByName") || !name) return nullptr;
  for (const auto& p : design_.userParameters()) {
    if (p->name() == name) return handOut(p);
  }
  return nullptr;
}

size_t SimUserParameters::count_raw() const {
  if (refused("UserParameters.count")) return 0;
  return design_.userParameters().size();
}

adsk::fusion::Design* SimUserParameters::design_raw() const {
  if (refused("UserParameters.design")) return nullptr;
  auto design = std::const_pointer_cast<SimObject>(design_.shared_from_this());
  return handOut(std::static_pointer_cast<SimDesign>(design));
}

}  // namespace fsim

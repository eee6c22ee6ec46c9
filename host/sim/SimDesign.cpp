// The simulated design.
#include "host/sim/SimDesign.h"

#include <regex>
#include <vector>

#include "host/sim/HostArrays.h"
#include "host/sim/SimAttributes.h"
#include "host/sim/SimComponent.h"
#include "host/sim/SimParameterList.h"
#include "host/sim/SimSketch.h"
#include "host/sim/SimSketchCurves.h"
#include "host/sim/SimSketchFixedSpline.h"
#include "host/sim/SimSketchFixedSplines.h"
#include "host/sim/SimSketches.h"
#include "host/sim/SimUnitsManager.h"
#include "host/sim/SimUserParameters.h"

namespace fsim {

std::shared_ptr<SimDesign> SimDesign::create() {
  auto design = std::make_shared<SimDesign>();
  design->root_ = SimComponent::create();
  design->userCollection_ = std::make_shared<SimUserParameters>(*design);
  design->allCollection_ = std::make_shared<SimParameterList>(*design);
  design->attributes_ = SimAttributes::create(design);
  design->units_ = std::make_shared<SimFusionUnitsManager>(design);
  return design;
}

void SimDesign::addUserParameter(const std::string& name, double value, const std::string& unit) {
  user_.push_back(std::make_shared<SimUserParameter>(name, value, unit));
}

void SimDesign::addModelParameter(const std::string& name, double value, const std::string& unit) {
  model_.push_back(std::make_shared<SimModelParameter>(name, value, unit));
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

LengthUnitChoice SimDesign::lengthUnit() const { return units_->lengthUnit(); }

void SimDesign::lengthUnit(LengthUnitChoice unit) { units_->lengthUnit(unit); }

void SimDesign::markDeleted() {
  SimObject::markDeleted();
  for (auto& p : user_) p->markDeleted();
  for (auto& p : model_) p->markDeleted();
  root_->markDeleted();
  userCollection_->markDeleted();
  allCollection_->markDeleted();
  attributes_->markDeleted();
  units_->markDeleted();
}

char* SimDesign::productType_raw() const {
  if (refused("Product.productType")) return nullptr;
  return newHostString("DesignProductType");
}

adsk::core::Document* SimDesign::parentDocument_raw() const {
  refused("Product.parentDocument");
  return nullptr;  // documents are not simulated
}

adsk::core::UnitsManager* SimDesign::unitsManager_raw() const {
  if (refused("Product.unitsManager")) return nullptr;
  return handOutAs<adsk::core::UnitsManager>(units_.get());
}

namespace {

// An exact, case-sensitive text; a regular expression after "re:"; "" for any.
bool matches(const std::string& pattern, const std::string& text) {
  if (pattern.empty()) return true;
  if (pattern.compare(0, 3, "re:") == 0) {
    try {
      return std::regex_match(text, std::regex(pattern.substr(3)));
    } catch (const std::regex_error&) {
      return false;
    }
  }
  return pattern == text;
}

}  // namespace

adsk::core::Attribute** SimDesign::findAttributes_raw(const char* groupName,
                                                      const char* attributeName,
                                                      size_t& return_size) const {
  return_size = 0;
  if (refused("Product.findAttributes") || !groupName || !attributeName) return nullptr;
  std::vector<adsk::core::Attribute*> found;
  for (const auto& sketch : root_->sketches().all()) {
    for (const auto& spline : sketch->curves().fixedSplines().all()) {
      for (const auto& attribute : spline->attributes().all()) {
        const AttributeInfo info = attribute->info();
        if (matches(groupName, info.group) && matches(attributeName, info.name)) {
          found.push_back(handOut(attribute));
        }
      }
    }
  }
  return newHostObjectArray(found, return_size);
}

adsk::core::Attributes* SimDesign::attributes_raw() const {
  if (refused("Product.attributes")) return nullptr;
  return handOut(attributes_);
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

adsk::fusion::FusionUnitsManager* SimDesign::fusionUnitsManager_raw() const {
  if (refused("Design.fusionUnitsManager")) return nullptr;
  return handOut(units_);
}

}  // namespace fsim

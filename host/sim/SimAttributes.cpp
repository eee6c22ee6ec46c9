// The simulated attributes.
#include "host/sim/SimAttributes.h"

#include <algorithm>
#include <cstring>

#include "host/sim/HostArrays.h"
#include "host/sim/SimSketchFixedSpline.h"

namespace fsim {

namespace {

// A spline keeps its state from before the change for the host's undo.
void beforeChangeOf(const std::shared_ptr<SimObject>& entity) {
  if (auto spline = std::dynamic_pointer_cast<SimSketchFixedSpline>(entity)) {
    spline->aboutToChange();
  }
}

void beforeChangeOf(const std::weak_ptr<SimAttributes>& owner) {
  if (std::shared_ptr<SimAttributes> attributes = owner.lock()) {
    beforeChangeOf(attributes->parent());
  }
}

}  // namespace

char* SimAttribute::groupName_raw() const {
  if (refused("Attribute.groupName")) return nullptr;
  return newHostString(group_);
}

char* SimAttribute::name_raw() const {
  if (refused("Attribute.name")) return nullptr;
  return newHostString(name_);
}

char* SimAttribute::value_raw() const {
  if (refused("Attribute.value")) return nullptr;
  return newHostString(value_);
}

bool SimAttribute::value_raw(const char* value) {
  if (refused("Attribute.value") || !value || std::strlen(value) > kLongestAttributeValue) {
    return false;
  }
  beforeChangeOf(owner_);
  value_ = value;
  return true;
}

adsk::core::Base* SimAttribute::parent_raw() const {
  if (refused("Attribute.parent")) return nullptr;
  std::shared_ptr<SimAttributes> owner = owner_.lock();
  std::shared_ptr<SimObject> parent = owner ? owner->parent() : nullptr;
  if (!parent || !parent->alive()) return nullptr;
  return handOutAs(parent.get());
}

bool SimAttribute::deleteMe_raw() {
  if (refused("Attribute.deleteMe")) return false;
  beforeChangeOf(owner_);
  if (std::shared_ptr<SimAttributes> owner = owner_.lock()) owner->remove(*this);
  markDeleted();
  return true;
}

std::shared_ptr<SimAttributes> SimAttributes::create(std::weak_ptr<SimObject> parent) {
  return std::make_shared<SimAttributes>(std::move(parent));
}

std::shared_ptr<SimAttribute> SimAttributes::find(const std::string& group,
                                                  const std::string& name) const {
  for (const auto& attribute : attributes_) {
    const AttributeInfo info = attribute->info();
    if (info.group == group && info.name == name) return attribute;
  }
  return nullptr;
}

std::shared_ptr<SimAttribute> SimAttributes::set(const std::string& group, const std::string& name,
                                                 const std::string& value) {
  std::shared_ptr<SimAttribute> attribute = find(group, name);
  if (attribute) {
    attribute->setValue(value);
    return attribute;
  }
  auto self = std::static_pointer_cast<SimAttributes>(shared_from_this());
  attributes_.push_back(std::make_shared<SimAttribute>(group, name, value, self));
  return attributes_.back();
}

void SimAttributes::remove(const SimAttribute& attribute) {
  attributes_.erase(std::remove_if(attributes_.begin(), attributes_.end(),
                                   [&](const auto& a) { return a.get() == &attribute; }),
                    attributes_.end());
}

std::vector<AttributeInfo> SimAttributes::info() const {
  std::vector<AttributeInfo> out;
  for (const auto& attribute : attributes_) out.push_back(attribute->info());
  return out;
}

void SimAttributes::markDeleted() {
  SimObject::markDeleted();
  for (auto& attribute : attributes_) attribute->markDeleted();
}

size_t SimAttributes::count_raw() const {
  if (refused("Attributes.count")) return 0;
  return attributes_.size();
}

adsk::core::Attribute* SimAttributes::item_raw(size_t index) const {
  if (refused("Attributes.item") || index >= attributes_.size()) return nullptr;
  return handOut(attributes_[index]);
}

adsk::core::Attribute* SimAttributes::itemByName_raw(const char* groupName, const char* name) {
  if (refused("Attributes.itemByName") || !groupName || !name) return nullptr;
  return handOut(find(groupName, name));
}

adsk::core::Attribute* SimAttributes::add_raw(const char* groupName, const char* name,
                                              const char* value) {
  if (refused("Attributes.add") || !groupName || !name || !value || !*groupName || !*name ||
      std::strlen(value) > kLongestAttributeValue) {
    return nullptr;
  }
  beforeChangeOf(parent());
  return handOut(set(groupName, name, value));
}

}  // namespace fsim

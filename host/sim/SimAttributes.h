// Attributes of one simulated entity: named texts an add-in keeps on it, saved with the design.
// Values over 2 MB are refused, as the host refuses them.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimAttributes;

class SimAttribute : public Sim<adsk::core::Attribute> {
 public:
  SimAttribute(std::string group, std::string name, std::string value,
               std::weak_ptr<SimAttributes> owner)
      : group_(std::move(group)),
        name_(std::move(name)),
        value_(std::move(value)),
        owner_(std::move(owner)) {}

  AttributeInfo info() const { return {group_, name_, value_}; }
  void setValue(std::string value) { value_ = std::move(value); }

 private:
  char* groupName_raw() const override;
  char* name_raw() const override;
  char* value_raw() const override;
  bool value_raw(const char* value) override;
  adsk::core::Base* parent_raw() const override;
  bool deleteMe_raw() override;

  std::string group_, name_, value_;
  std::weak_ptr<SimAttributes> owner_;
};

class SimAttributes : public Sim<adsk::core::Attributes> {
 public:
  /// The attributes of `parent`, the entity Attribute::parent answers.
  static std::shared_ptr<SimAttributes> create(std::weak_ptr<SimObject> parent);
  explicit SimAttributes(std::weak_ptr<SimObject> parent) : parent_(std::move(parent)) {}

  const std::vector<std::shared_ptr<SimAttribute>>& all() const { return attributes_; }
  std::shared_ptr<SimObject> parent() const { return parent_.lock(); }
  /// Adds or updates, as Attributes::add does, without fault injection.
  std::shared_ptr<SimAttribute> set(const std::string& group, const std::string& name,
                                    const std::string& value);
  void remove(const SimAttribute& attribute);
  std::vector<AttributeInfo> info() const;
  void markDeleted() override;

 private:
  size_t count_raw() const override;
  adsk::core::Attribute* item_raw(size_t index) const override;
  adsk::core::Attribute* itemByName_raw(const char* groupName, const char* name) override;
  adsk::core::Attribute* add_raw(const char* groupName, const char* name,
                                 const char* value) override;

  std::shared_ptr<SimAttribute> find(const std::string& group, const std::string& name) const;

  std::weak_ptr<SimObject> parent_;
  std::vector<std::shared_ptr<SimAttribute>> attributes_;
};

/// The longest value an attribute takes (2 MB).
constexpr std::size_t kLongestAttributeValue = 2097152;

}  // namespace fsim

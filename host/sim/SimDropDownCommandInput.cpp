// The simulated drop-down input, its items and their list.
#include "host/sim/SimDropDownCommandInput.h"

#include <algorithm>

#include "host/sim/HostArrays.h"
#include "host/sim/Lookup.h"

namespace fsim {

char* SimListItem::name_raw() const {
  if (refused("ListItem.name")) return nullptr;
  return newHostString(name_);
}

bool SimListItem::name_raw(const char* value) {
  // A separator has no text to change.
  if (refused("ListItem.name") || !value || separator_) return false;
  name_ = value;
  return true;
}

char* SimListItem::icon_raw() const {
  if (refused("ListItem.icon")) return nullptr;
  return newHostString(icon_);
}

bool SimListItem::icon_raw(const char* value) {
  if (refused("ListItem.icon") || !value || separator_) return false;
  icon_ = value;
  return true;
}

bool SimListItem::isSelected_raw() const { return !refused("ListItem.isSelected") && selected_; }

bool SimListItem::isSelected_raw(bool value) {
  if (refused("ListItem.isSelected")) return false;
  std::shared_ptr<SimListItems> owner = owner_.lock();
  return owner && owner->select(*this, value);
}

bool SimListItem::deleteMe_raw() {
  if (refused("ListItem.deleteMe")) return false;
  std::shared_ptr<SimObject> self = shared_from_this();
  if (std::shared_ptr<SimListItems> owner = owner_.lock()) owner->remove(*this);
  markDeleted();
  return true;
}

int SimListItem::index_raw() const {
  if (refused("ListItem.index")) return -1;
  std::shared_ptr<SimListItems> owner = owner_.lock();
  return owner ? owner->indexOf(*this) : -1;
}

adsk::core::Base* SimListItem::parentList_raw() const {
  if (refused("ListItem.parentList")) return nullptr;
  return handOutAs(owner_.lock().get());
}

bool SimListItem::isSeparator_raw() const { return !refused("ListItem.isSeparator") && separator_; }

std::shared_ptr<SimListItem> SimListItems::firstSelected() const {
  auto found =
      std::find_if(items_.begin(), items_.end(), [](const auto& item) { return item->selected(); });
  return found == items_.end() ? nullptr : *found;
}

bool SimListItems::select(SimListItem& item, bool value) {
  if (item.separator() && value) return false;
  if (value && style_ != adsk::core::CheckBoxDropDownStyle) {
    for (auto& other : items_) other->setSelected(false);
  }
  item.setSelected(value);
  return true;
}

int SimListItems::indexOf(const SimListItem& item) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == &item) return static_cast<int>(i);
  }
  return -1;
}

void SimListItems::remove(SimListItem& item) { removeChild(items_, &item); }

void SimListItems::markDeleted() {
  SimObject::markDeleted();
  for (auto& item : items_) item->markDeleted();
}

std::shared_ptr<SimListItem> SimListItems::insert(const std::string& name, const std::string& icon,
                                                  bool separator, int beforeIndex) {
  if (beforeIndex < -1 || beforeIndex > static_cast<int>(items_.size())) return nullptr;
  auto item = std::make_shared<SimListItem>(
      name, icon, separator, std::static_pointer_cast<SimListItems>(shared_from_this()));
  items_.insert(beforeIndex == -1 ? items_.end() : items_.begin() + beforeIndex, item);
  return item;
}

adsk::core::ListItem* SimListItems::add_raw(const char* name, bool isSelected, const char* icon,
                                            int beforeIndex) {
  if (refused("ListItems.add") || !name || !icon) return nullptr;
  std::shared_ptr<SimListItem> item = insert(name, icon, false, beforeIndex);
  if (item && isSelected) select(*item, true);
  return handOut(item);
}

adsk::core::ListItem* SimListItems::addSeparator_raw(int beforeIndex) {
  if (refused("ListItems.addSeparator")) return nullptr;
  return handOut(insert("", "", true, beforeIndex));
}

adsk::core::ListItem* SimListItems::item_raw(size_t index) const {
  if (refused("ListItems.item")) return nullptr;
  return handOut(childAt(items_, index));
}

size_t SimListItems::count_raw() const {
  if (refused("ListItems.count")) return 0;
  return items_.size();
}

bool SimListItems::clear_raw() {
  if (refused("ListItems.clear")) return false;
  for (auto& item : items_) item->markDeleted();
  items_.clear();
  return true;
}

bool SimDropDownCommandInput::userPicks(const std::string& name) {
  for (const auto& item : items_->all()) {
    if (!item->separator() && item->name() == name) {
      const bool toggles = items_->style() == adsk::core::CheckBoxDropDownStyle;
      return items_->select(*item, !toggles || !item->selected());
    }
  }
  return false;
}

InputInfo SimDropDownCommandInput::info() const {
  InputInfo info = baseInfo("DropDownCommandInput");
  for (const auto& item : items_->all()) {
    if (!item->separator()) info.items.push_back(item->name());
  }
  if (std::shared_ptr<SimListItem> selected = items_->firstSelected()) info.text = selected->name();
  return info;
}

void SimDropDownCommandInput::markDeleted() {
  SimObject::markDeleted();
  items_->markDeleted();
}

adsk::core::DropDownStyles SimDropDownCommandInput::dropDownStyle_raw() const {
  // A failed call answers the enumeration's zero.
  if (refused("DropDownCommandInput.dropDownStyle")) return adsk::core::LabeledIconDropDownStyle;
  return items_->style();
}

adsk::core::ListItems* SimDropDownCommandInput::listItems_raw() const {
  if (refused("DropDownCommandInput.listItems")) return nullptr;
  return handOut(items_);
}

adsk::core::ListItem* SimDropDownCommandInput::selectedItem_raw() const {
  if (refused("DropDownCommandInput.selectedItem")) return nullptr;
  return handOut(items_->firstSelected());
}

int SimDropDownCommandInput::maxVisibleItems_raw() const {
  if (refused("DropDownCommandInput.maxVisibleItems")) return 0;
  return maxVisibleItems_;
}

bool SimDropDownCommandInput::maxVisibleItems_raw(int value) {
  if (refused("DropDownCommandInput.maxVisibleItems") || value < 1) return false;
  maxVisibleItems_ = value;
  return true;
}

}  // namespace fsim

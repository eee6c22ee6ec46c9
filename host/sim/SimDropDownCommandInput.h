// A drop-down input of a dialog with its list of items. In the two single-choice styles selecting
// an item deselects the others; in the check box style each item is checked on its own. The
// driver picks items as a user would.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/sim/SimCommandInput.h"

namespace fsim {

class SimListItems;

/// One item of a list, or a separator line (no name, never selected).
class SimListItem : public Sim<adsk::core::ListItem> {
 public:
  SimListItem(std::string name, std::string icon, bool separator, std::weak_ptr<SimListItems> owner)
      : name_(std::move(name)),
        icon_(std::move(icon)),
        separator_(separator),
        owner_(std::move(owner)) {}

  const std::string& name() const { return name_; }
  bool selected() const { return selected_; }
  bool separator() const { return separator_; }
  /// Sets the flag alone; SimListItems::select keeps a single choice single.
  void setSelected(bool value) { selected_ = value; }

 private:
  char* name_raw() const override;
  bool name_raw(const char* value) override;
  char* icon_raw() const override;
  bool icon_raw(const char* value) override;
  bool isSelected_raw() const override;
  bool isSelected_raw(bool value) override;
  bool deleteMe_raw() override;
  int index_raw() const override;
  adsk::core::Base* parentList_raw() const override;
  bool isSeparator_raw() const override;

  std::string name_, icon_;
  bool separator_;
  bool selected_ = false;
  std::weak_ptr<SimListItems> owner_;
};

/// The items of one drop-down, in the order the user sees them.
class SimListItems : public Sim<adsk::core::ListItems> {
 public:
  explicit SimListItems(adsk::core::DropDownStyles style) : style_(style) {}

  adsk::core::DropDownStyles style() const { return style_; }
  const std::vector<std::shared_ptr<SimListItem>>& all() const { return items_; }
  /// The first selected item, or null.
  std::shared_ptr<SimListItem> firstSelected() const;
  /// Selects or deselects item; selecting it in a single-choice style deselects the others.
  /// False for a separator, which cannot be selected.
  bool select(SimListItem& item, bool value);
  /// The item's position, or -1 when it is not in the list.
  int indexOf(const SimListItem& item) const;
  /// Takes the item out (it becomes invalid).
  void remove(SimListItem& item);
  void markDeleted() override;

 private:
  adsk::core::ListItem* add_raw(const char* name, bool isSelected, const char* icon,
                                int beforeIndex) override;
  adsk::core::ListItem* addSeparator_raw(int beforeIndex) override;
  adsk::core::ListItem* item_raw(size_t index) const override;
  size_t count_raw() const override;
  bool clear_raw() override;

  /// Puts a new item before beforeIndex (-1: at the end); null for a position out of range.
  std::shared_ptr<SimListItem> insert(const std::string& name, const std::string& icon,
                                      bool separator, int beforeIndex);

  adsk::core::DropDownStyles style_;
  std::vector<std::shared_ptr<SimListItem>> items_;
};

class SimDropDownCommandInput : public SimCommandInputOf<adsk::core::DropDownCommandInput> {
 public:
  SimDropDownCommandInput(std::string id, std::string name, adsk::core::DropDownStyles style,
                          std::weak_ptr<SimCommandInputs> owner)
      : SimCommandInputOf(std::move(id), std::move(name), std::move(owner)),
        items_(std::make_shared<SimListItems>(style)) {}

  /// The user's pick of the first item named name: selects it, or in a check box list toggles
  /// it. False when no item has that name.
  bool userPicks(const std::string& name);
  InputInfo info() const override;
  void markDeleted() override;

 private:
  adsk::core::DropDownStyles dropDownStyle_raw() const override;
  adsk::core::ListItems* listItems_raw() const override;
  adsk::core::ListItem* selectedItem_raw() const override;
  int maxVisibleItems_raw() const override;
  bool maxVisibleItems_raw(int value) override;

  std::shared_ptr<SimListItems> items_;
  /// The simulated host's choice; the host's own default is not known to us.
  int maxVisibleItems_ = 10;
};

}  // namespace fsim

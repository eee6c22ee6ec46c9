// A dialog input that offers a list of named items to choose from: one of them, or with check
// boxes any number. The items are reached through listItems().
#pragma once

#include "../CoreTypeDefs.h"
#include "CommandInput.h"

namespace adsk {
namespace core {

class ListItems;
class ListItem;

class DropDownCommandInput : public CommandInput {
 public:
  /// How the list shows and how many items can be selected.
  DropDownStyles dropDownStyle() const;

  /// The items, to add, find and remove them.
  Ptr<ListItems> listItems() const;

  /// The selected item; null when none is.
  Ptr<ListItem> selectedItem() const;

  /// How many items show before the list scrolls.
  int maxVisibleItems() const;

  /// Sets how many items show before the list scrolls; false on failure.
  bool maxVisibleItems(int value);

  static const char* classType() { return "adsk::core::DropDownCommandInput"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<DropDownCommandInput*>(this)
                                               : CommandInput::queryInterface(id);
  }

 private:
  virtual DropDownStyles dropDownStyle_raw() const = 0;
  virtual ListItems* listItems_raw() const = 0;
  virtual ListItem* selectedItem_raw() const = 0;
  virtual int maxVisibleItems_raw() const = 0;
  virtual bool maxVisibleItems_raw(int value) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline DropDownStyles DropDownCommandInput::dropDownStyle() const { return dropDownStyle_raw(); }

inline Ptr<ListItems> DropDownCommandInput::listItems() const {
  Ptr<ListItems> res = listItems_raw();
  return res;
}

inline Ptr<ListItem> DropDownCommandInput::selectedItem() const {
  Ptr<ListItem> res = selectedItem_raw();
  return res;
}

inline int DropDownCommandInput::maxVisibleItems() const { return maxVisibleItems_raw(); }

inline bool DropDownCommandInput::maxVisibleItems(int value) { return maxVisibleItems_raw(value); }

}  // namespace core
}  // namespace adsk

// One item of a list input such as a drop-down: its text, icon and whether it is selected, or a
// separator line between items.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class ListItem : public Base {
 public:
  /// The text shown for the item.
  std::string name() const;

  /// Sets the text shown; false on failure.
  bool name(const std::string& value);

  /// The resource folder of the item's icon; empty for none.
  std::string icon() const;

  /// Sets the resource folder of the item's icon; false on failure.
  bool icon(const std::string& value);

  /// Whether the item is selected (checked, in a check box list).
  bool isSelected() const;

  /// Selects or deselects the item; in a list of one choice, selecting it deselects the others.
  /// False on failure.
  bool isSelected(bool value);

  /// Removes the item from its list; true on success.
  bool deleteMe();

  /// The item's position in its list.
  int index() const;

  /// The list the item belongs to (ListItems).
  Ptr<Base> parentList() const;

  /// Whether the item is a separator line rather than a choice.
  bool isSeparator() const;

  static const char* classType() { return "adsk::core::ListItem"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ListItem*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual char* name_raw() const = 0;
  virtual bool name_raw(const char* value) = 0;
  virtual char* icon_raw() const = 0;
  virtual bool icon_raw(const char* value) = 0;
  virtual bool isSelected_raw() const = 0;
  virtual bool isSelected_raw(bool value) = 0;
  virtual bool deleteMe_raw() = 0;
  virtual int index_raw() const = 0;
  virtual Base* parentList_raw() const = 0;
  virtual bool isSeparator_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string ListItem::name() const {
  std::string res;
  char* p = name_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool ListItem::name(const std::string& value) { return name_raw(value.c_str()); }

inline std::string ListItem::icon() const {
  std::string res;
  char* p = icon_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline bool ListItem::icon(const std::string& value) { return icon_raw(value.c_str()); }

inline bool ListItem::isSelected() const { return isSelected_raw(); }

inline bool ListItem::isSelected(bool value) { return isSelected_raw(value); }

inline bool ListItem::deleteMe() { return deleteMe_raw(); }

inline int ListItem::index() const { return index_raw(); }

inline Ptr<Base> ListItem::parentList() const {
  Ptr<Base> res = parentList_raw();
  return res;
}

inline bool ListItem::isSeparator() const { return isSeparator_raw(); }

}  // namespace core
}  // namespace adsk

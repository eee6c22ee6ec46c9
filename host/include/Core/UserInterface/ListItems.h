// The items of a list input such as a drop-down, in the order the user sees them.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class ListItem;

class ListItems : public Base {
 public:
  typedef ListItem iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// A new item shown as name, with an icon from the resource folder icon ("" for none), before
  /// the item at beforeIndex (-1: at the end). Null on failure.
  Ptr<ListItem> add(const std::string& name, bool isSelected, const std::string& icon = "",
                    int beforeIndex = -1);

  /// A separator line before the item at beforeIndex (-1: at the end). Null on failure.
  Ptr<ListItem> addSeparator(int beforeIndex);

  /// The item at index; null for an invalid index.
  Ptr<ListItem> item(size_t index) const;

  /// The number of items, separators included.
  size_t count() const;

  /// Removes every item; true on success.
  bool clear();

  static const char* classType() { return "adsk::core::ListItems"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ListItems*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual ListItem* add_raw(const char* name, bool isSelected, const char* icon,
                            int beforeIndex) = 0;
  virtual ListItem* addSeparator_raw(int beforeIndex) = 0;
  virtual ListItem* item_raw(size_t index) const = 0;
  virtual size_t count_raw() const = 0;
  virtual bool clear_raw() = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<ListItem> ListItems::add(const std::string& name, bool isSelected,
                                    const std::string& icon, int beforeIndex) {
  Ptr<ListItem> res = add_raw(name.c_str(), isSelected, icon.c_str(), beforeIndex);
  return res;
}

inline Ptr<ListItem> ListItems::addSeparator(int beforeIndex) {
  Ptr<ListItem> res = addSeparator_raw(beforeIndex);
  return res;
}

inline Ptr<ListItem> ListItems::item(size_t index) const {
  Ptr<ListItem> res = item_raw(index);
  return res;
}

inline size_t ListItems::count() const { return count_raw(); }

inline bool ListItems::clear() { return clear_raw(); }

template <class OutputIterator>
inline void ListItems::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace core
}  // namespace adsk

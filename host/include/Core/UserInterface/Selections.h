// What the user has selected: a command reads it in its command-created event to find what the
// user picked before clicking the button.
#pragma once

#include "../Base.h"

namespace adsk {
namespace core {

class Selection;

class Selections : public Base {
 public:
  /// The selection at `index`; null when out of range.
  Ptr<Selection> item(size_t index) const;

  /// The number of selected objects.
  size_t count() const;

  /// Empties the selection; false on failure.
  bool clear();

  static const char* classType() { return "adsk::core::Selections"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Selections*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual Selection* item_raw(size_t index) const = 0;
  virtual size_t count_raw() const = 0;
  virtual bool clear_raw() = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Selection> Selections::item(size_t index) const {
  Ptr<Selection> res = item_raw(index);
  return res;
}

inline size_t Selections::count() const { return count_raw(); }

inline bool Selections::clear() { return clear_raw(); }

}  // namespace core
}  // namespace adsk

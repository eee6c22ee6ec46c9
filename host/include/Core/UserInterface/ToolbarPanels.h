// The toolbar panels of a workspace, looked up by ID (e.g. "SketchPanel"). Add-ins find the
// panel that is to carry their command's control here.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class ToolbarPanel;

class ToolbarPanels : public Base {
 public:
  typedef ToolbarPanel iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// The toolbarpanel with this ID; null if there is none.
  Ptr<ToolbarPanel> itemById(const std::string& id) const;

  /// The item at index; null for an invalid index.
  Ptr<ToolbarPanel> item(size_t index) const;

  /// The number of items.
  size_t count() const;

  static const char* classType() { return "adsk::core::ToolbarPanels"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ToolbarPanels*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual ToolbarPanel* itemById_raw(const char* id) const = 0;
  virtual ToolbarPanel* item_raw(size_t index) const = 0;
  virtual size_t count_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<ToolbarPanel> ToolbarPanels::itemById(const std::string& id) const {
  Ptr<ToolbarPanel> res = itemById_raw(id.c_str());
  return res;
}

inline Ptr<ToolbarPanel> ToolbarPanels::item(size_t index) const {
  Ptr<ToolbarPanel> res = item_raw(index);
  return res;
}

inline size_t ToolbarPanels::count() const { return count_raw(); }

template <class OutputIterator>
inline void ToolbarPanels::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace core
}  // namespace adsk

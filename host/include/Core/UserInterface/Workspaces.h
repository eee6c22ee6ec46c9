// The collection of the host's workspaces, looked up by ID (e.g. "FusionSolidEnvironment").
// Reached from the user interface.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class Workspace;

class Workspaces : public Base {
 public:
  typedef Workspace iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// The workspace with this ID; null if there is none.
  Ptr<Workspace> itemById(const std::string& id) const;

  /// The item at index; null for an invalid index.
  Ptr<Workspace> item(size_t index) const;

  /// The number of items.
  size_t count() const;

  static const char* classType() { return "adsk::core::Workspaces"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Workspaces*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual Workspace* itemById_raw(const char* id) const = 0;
  virtual Workspace* item_raw(size_t index) const = 0;
  virtual size_t count_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Workspace> Workspaces::itemById(const std::string& id) const {
  Ptr<Workspace> res = itemById_raw(id.c_str());
  return res;
}

inline Ptr<Workspace> Workspaces::item(size_t index) const {
  Ptr<Workspace> res = item_raw(index);
  return res;
}

inline size_t Workspaces::count() const { return count_raw(); }

template <class OutputIterator>
inline void Workspaces::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace core
}  // namespace adsk

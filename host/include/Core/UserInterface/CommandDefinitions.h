// The command definitions known to the host. Add-ins add their button definition here when they
// start and look it up by ID to delete it when they stop.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class CommandDefinition;

class CommandDefinitions : public Base {
 public:
  typedef CommandDefinition iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// The definition with this ID; null if there is none.
  Ptr<CommandDefinition> itemById(const std::string& id) const;

  /// A new button definition; id must be unique and use [A-Za-z0-9_]; resourceFolder holds the
  /// icons (16x16.png, 32x32.png, 64x64.png), empty for the default icon. Null on failure.
  Ptr<CommandDefinition> addButtonDefinition(const std::string& id, const std::string& name,
                                             const std::string& tooltip,
                                             const std::string& resourceFolder = "");

  /// The item at index; null for an invalid index.
  Ptr<CommandDefinition> item(size_t index) const;

  /// The number of definitions.
  size_t count() const;

  static const char* classType() { return "adsk::core::CommandDefinitions"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CommandDefinitions*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual CommandDefinition* itemById_raw(const char* id) const = 0;
  virtual CommandDefinition* addButtonDefinition_raw(const char* id, const char* name,
                                                     const char* tooltip,
                                                     const char* resourceFolder) = 0;
  virtual CommandDefinition* item_raw(size_t index) const = 0;
  virtual size_t count_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<CommandDefinition> CommandDefinitions::itemById(const std::string& id) const {
  Ptr<CommandDefinition> res = itemById_raw(id.c_str());
  return res;
}

inline Ptr<CommandDefinition> CommandDefinitions::addButtonDefinition(
    const std::string& id, const std::string& name, const std::string& tooltip,
    const std::string& resourceFolder) {
  Ptr<CommandDefinition> res =
      addButtonDefinition_raw(id.c_str(), name.c_str(), tooltip.c_str(), resourceFolder.c_str());
  return res;
}

inline Ptr<CommandDefinition> CommandDefinitions::item(size_t index) const {
  Ptr<CommandDefinition> res = item_raw(index);
  return res;
}

inline size_t CommandDefinitions::count() const { return count_raw(); }

template <class OutputIterator>
inline void CommandDefinitions::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace core
}  // namespace adsk

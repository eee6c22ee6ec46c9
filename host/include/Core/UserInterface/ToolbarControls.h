// The controls of a panel or toolbar. Add-ins add a control for their command definition here and
// find it again by ID to delete it.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class ToolbarControl;
class CommandControl;
class CommandDefinition;

class ToolbarControls : public Base {
 public:
  typedef ToolbarControl iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// The toolbarcontrol with this ID; null if there is none.
  Ptr<ToolbarControl> itemById(const std::string& id) const;

  /// The item at index; null for an invalid index.
  Ptr<ToolbarControl> item(size_t index) const;

  /// The number of items.
  size_t count() const;

  /// Adds a control for the definition, with the definition's ID; an empty positionID appends it
  /// (isBefore is then ignored). Null on failure.
  Ptr<CommandControl> addCommand(const Ptr<CommandDefinition>& commandDefinition,
                                 const std::string& positionID = "", bool isBefore = true);

  static const char* classType() { return "adsk::core::ToolbarControls"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ToolbarControls*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual ToolbarControl* itemById_raw(const char* id) const = 0;
  virtual ToolbarControl* item_raw(size_t index) const = 0;
  virtual size_t count_raw() const = 0;
  virtual CommandControl* addCommand_raw(CommandDefinition* commandDefinition,
                                         const char* positionID, bool isBefore) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<ToolbarControl> ToolbarControls::itemById(const std::string& id) const {
  Ptr<ToolbarControl> res = itemById_raw(id.c_str());
  return res;
}

inline Ptr<ToolbarControl> ToolbarControls::item(size_t index) const {
  Ptr<ToolbarControl> res = item_raw(index);
  return res;
}

inline size_t ToolbarControls::count() const { return count_raw(); }

inline Ptr<CommandControl> ToolbarControls::addCommand(
    const Ptr<CommandDefinition>& commandDefinition, const std::string& positionID, bool isBefore) {
  Ptr<CommandControl> res = addCommand_raw(commandDefinition.get(), positionID.c_str(), isBefore);
  return res;
}

template <class OutputIterator>
inline void ToolbarControls::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace core
}  // namespace adsk

#include "dialog/selectedItemName.h"

#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using hv::f360::throwIfNull;

namespace vintrel::dialog {

std::string selectedItemName(const Ptr<CommandInputs>& inputs, const char* id) {
  throwIfNull(inputs);
  Ptr<DropDownCommandInput> dropDown = inputs->itemById(id);
  throwIfNull(dropDown);
  Ptr<ListItem> selected = dropDown->selectedItem();
  throwIfNull(selected);
  return selected->name();
}

std::runtime_error unknownChoice(const char* label, const std::string& item) {
  return std::runtime_error(std::string(label) + ": \"" + item +
                            "\" is not a choice this add-in knows");
}

}  // namespace vintrel::dialog

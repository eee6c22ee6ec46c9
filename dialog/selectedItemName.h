// Reads the dialog's drop-downs the one way: the name of the selected item, and the error for a
// name that is no choice the add-in knows. The units and the coordinates are read with it.
#pragma once

#include <Core/CoreAll.h>

#include <stdexcept>
#include <string>

namespace vintrel::dialog {

/// The name of the item selected in the drop-down `id` of `inputs`.
/// Throws hv::f360::NullObjectError when `inputs` is null, has no drop-down `id`, or none of its
/// items is selected.
std::string selectedItemName(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs,
                             const char* id);

/// The error "<label>: "<item>" is not a choice this add-in knows".
std::runtime_error unknownChoice(const char* label, const std::string& item);

}  // namespace vintrel::dialog

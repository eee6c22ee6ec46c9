// The library of curves as sorvane's --list-presets prints it: a line per preset, its id (what
// --preset takes) and its label (what the dialog's "Start from" drop-down shows).
#pragma once

#include <string>

namespace sorvane {

/// One line per preset of curvePresets(), in order: the id, blanks up to the column two past the
/// longest id, the label, "\n".
std::string presetListText();

}  // namespace sorvane

// What picking a preset writes into the dialog: texts for its inputs, lengths already in the
// dialog's unit. The unit and the tolerance are not among them: they stay as the designer set
// them.
#pragma once

#include <string>

#include "curve/formula/Coordinates.h"

namespace vintrel::curve {

/// The dialog's inputs for one preset, as texts.
struct PresetInputs {
  /// The "Definitions" input: one "name = value" line per item, separated by "\n".
  std::string definitions;
  /// The three formulas of `coordinates`, in their order.
  std::string x, y, z;
  /// "Starting t Value" and "Ending t Value", as the value inputs evaluate them.
  std::string tStart, tEnd;
  Coordinates coordinates = Coordinates::Cartesian;
};

}  // namespace vintrel::curve

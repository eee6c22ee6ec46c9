// One curve of the library a designer may start from: its formulas, t range and coordinates, and
// the definitions its formulas read, lengths apart, since those are written in whatever unit the
// dialog shows. The "Start from" drop-down and sorvane's --preset fill the dialog from one.
#pragma once

#include <string>
#include <vector>

#include "curve/formula/Coordinates.h"

namespace vintrel::curve {

/// A ready curve. The definitions the formulas read are `lengths`, then `definitions`.
struct CurvePreset {
  /// A definition whose value is a length: written in the dialog's unit.
  struct Length {
    std::string name;
    double millimetres = 0;
  };

  /// The name sorvane's --preset takes: lower-case words joined by "-", such as "helix".
  std::string id;
  /// The drop-down's item, such as "Helix".
  std::string label;
  /// The lengths, in the order they are defined.
  std::vector<Length> lengths;
  /// The other definitions, "name = expression" each, in order: counts, ratios, angles and
  /// expressions of the lengths or of t, which then read in the lengths' unit.
  std::vector<std::string> definitions;
  /// The three formulas in `coordinates`' order (x, y, z; ρ, θ, z; r, θ, φ).
  std::string x, y, z;
  /// The t range as the dialog's value inputs take it: numbers and pi ("0", "2 * pi").
  std::string tStart, tEnd;
  Coordinates coordinates = Coordinates::Cartesian;
};

}  // namespace vintrel::curve

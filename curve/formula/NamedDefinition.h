// One of a curve's named definitions ("k = (R + r) / r"): a name for the value of an expression
// in t, pi, the design's parameters and the names defined before it, which the later definitions
// and the three formulas may use instead of repeating the expression.
#pragma once

#include <string>

namespace vintrel::curve {

/// One definition as readNamedDefinitions reads it from the designer's text.
struct NamedDefinition {
  std::string name;
  /// The text after the "=", without the blanks around it.
  std::string expression;
  /// The line of the text it stands on, counted from 1.
  int line = 0;
};

/// "Definitions, line <line>", which opens every message about the definitions on that line.
inline std::string definitionsLineLabel(int line) {
  return "Definitions, line " + std::to_string(line);
}

}  // namespace vintrel::curve

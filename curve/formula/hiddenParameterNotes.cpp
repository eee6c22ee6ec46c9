#include "curve/formula/hiddenParameterNotes.h"

#include "curve/text/significantText.h"

namespace vintrel::curve {

std::vector<std::string> hiddenParameterNotes(const ParameterTable& parameters) {
  std::vector<std::string> notes;
  const auto pi = parameters.find("pi");
  if (pi != parameters.end() && !(pi->second == kBuiltInPi)) {
    notes.push_back("The design parameter \"pi\" (" + significantText(pi->second, 7) +
                    ") replaces the constant pi in the formulas; rename it to keep pi = " +
                    significantText(kBuiltInPi, 7) + ".");
  }
  if (parameters.count("t") != 0) {
    notes.push_back(
        "The design parameter \"t\" is hidden by the curve's t; rename it to use it in a formula.");
  }
  return notes;
}

}  // namespace vintrel::curve

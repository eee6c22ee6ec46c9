#include "curve/formula/hiddenParameterNotes.h"

#include <stdexcept>

#include "curve/formula/readNamedDefinitions.h"
#include "curve/text/significantText.h"

namespace vintrel::curve {

std::vector<std::string> hiddenParameterNotes(const ParameterTable& parameters,
                                              const std::string& definitions) {
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
  if (definitions.empty()) return notes;
  std::vector<NamedDefinition> read;
  try {
    read = readNamedDefinitions(definitions);
  } catch (const std::runtime_error&) {
    return notes;
  }
  for (const NamedDefinition& definition : read) {
    if (parameters.count(definition.name) != 0) {
      notes.push_back("The design parameter \"" + definition.name +
                      "\" is hidden by the definition of " + definition.name +
                      "; rename one of them to use the parameter.");
    }
  }
  return notes;
}

}  // namespace vintrel::curve

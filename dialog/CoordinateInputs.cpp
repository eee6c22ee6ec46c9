#include "dialog/CoordinateInputs.h"

#include <algorithm>
#include <string_view>

#include "dialog/CommandTexts.h"
#include "dialog/selectedItemName.h"
#include "fusionkit/NullObjectError.h"

using vintrel::curve::Coordinates;

using namespace adsk::core;
using hv::f360::throwIfNull;

namespace vintrel::dialog {

namespace {

constexpr std::array<Coordinates, 3> kAllCoordinates = {
    Coordinates::Cartesian, Coordinates::Cylindrical, Coordinates::Spherical};

constexpr std::array<const char*, 7> kAllFormulaInputIds = {
    kXFunctionInputId,     kRhoFunctionInputId, kRadiusFunctionInputId, kYFunctionInputId,
    kThetaFunctionInputId, kZFunctionInputId,   kPhiFunctionInputId};

}  // namespace

std::array<const char*, 3> formulaInputIds(Coordinates coordinates) {
  const auto& ids = kFormulaInputIds[static_cast<int>(coordinates)];
  return {ids[0], ids[1], ids[2]};
}

const char* coordinatesItem(Coordinates coordinates) {
  return kCoordinatesItems[static_cast<int>(coordinates)];
}

std::optional<Coordinates> coordinatesOfItem(const std::string& item) {
  for (Coordinates coordinates : kAllCoordinates) {
    if (item == coordinatesItem(coordinates)) return coordinates;
  }
  return std::nullopt;
}

Coordinates chosenCoordinates(const Ptr<CommandInputs>& inputs) {
  const std::string item = selectedItemName(inputs, kCoordinatesInputId);
  const std::optional<Coordinates> coordinates = coordinatesOfItem(item);
  if (!coordinates) throw unknownChoice(kCoordinatesLabel, item);
  return *coordinates;
}

void showFormulaInputs(const Ptr<CommandInputs>& inputs, Coordinates coordinates) {
  throwIfNull(inputs);
  const std::array<const char*, 3> shown = formulaInputIds(coordinates);
  for (const char* id : kAllFormulaInputIds) {
    // An input the host did not create cannot be shown; reading the formulas says so.
    Ptr<CommandInput> input = inputs->itemById(id);
    if (!input) continue;
    const bool visible = std::any_of(shown.begin(), shown.end(),
                                     [id](const char* s) { return std::string_view(s) == id; });
    // Asked first: the host redraws the dialog on every change of an input's visibility.
    if (input->isVisible() != visible) input->isVisible(visible);
  }
}

}  // namespace vintrel::dialog

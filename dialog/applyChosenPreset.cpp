#include "dialog/applyChosenPreset.h"

#include <array>
#include <optional>
#include <string>

#include "curve/formula/LengthUnit.h"
#include "curve/presets/curvePresets.h"
#include "curve/presets/writePresetInputs.h"
#include "dialog/CommandTexts.h"
#include "dialog/CoordinateInputs.h"
#include "fusionkit/NullObjectError.h"

using vintrel::curve::centimetreUnit;
using vintrel::curve::CurvePreset;
using vintrel::curve::curvePresets;
using vintrel::curve::LengthUnit;
using vintrel::curve::lengthUnitNamed;
using vintrel::curve::PresetInputs;
using vintrel::curve::writePresetInputs;

using namespace adsk::core;
using hv::f360::throwIfNull;

namespace vintrel::dialog {

namespace {

const CurvePreset* presetLabelled(const std::string& label) {
  for (const CurvePreset& preset : curvePresets()) {
    if (preset.label == label) return &preset;
  }
  return nullptr;
}

// The unit the formulas are read in; a drop-down the host does not tell leaves centimetres,
// which the preview then reads the same way.
LengthUnit shownUnit(const Ptr<CommandInputs>& inputs) {
  Ptr<DropDownCommandInput> units = inputs->itemById(kUnitsInputId);
  if (!units) return centimetreUnit();
  Ptr<ListItem> selected = units->selectedItem();
  if (!selected) return centimetreUnit();
  const std::optional<LengthUnit> unit = lengthUnitNamed(selected->name());
  return unit ? *unit : centimetreUnit();
}

template <class Input>
Ptr<Input> inputWithId(const Ptr<CommandInputs>& inputs, const char* id) {
  Ptr<Input> input = inputs->itemById(id);
  throwIfNull(input);
  return input;
}

void selectItem(const Ptr<DropDownCommandInput>& dropDown, const std::string& name) {
  Ptr<ListItems> items = dropDown->listItems();
  throwIfNull(items);
  for (std::size_t i = 0; i < items->count(); ++i) {
    Ptr<ListItem> item = items->item(i);
    if (item && item->name() == name) {
      item->isSelected(true);
      return;
    }
  }
}

void fill(const Ptr<CommandInputs>& inputs, const PresetInputs& texts) {
  inputWithId<TextBoxCommandInput>(inputs, kDefinitionsInputId)->text(texts.definitions);
  const std::array<const char*, 3> ids = formulaInputIds(texts.coordinates);
  const std::array<const std::string*, 3> formulas = {&texts.x, &texts.y, &texts.z};
  for (std::size_t i = 0; i < ids.size(); ++i) {
    inputWithId<StringValueCommandInput>(inputs, ids[i])->value(*formulas[i]);
  }
  inputWithId<ValueCommandInput>(inputs, kMinTValueInputId)->expression(texts.tStart);
  inputWithId<ValueCommandInput>(inputs, kMaxTValueInputId)->expression(texts.tEnd);
  selectItem(inputWithId<DropDownCommandInput>(inputs, kCoordinatesInputId),
             coordinatesItem(texts.coordinates));
}

}  // namespace

void applyChosenPreset(const Ptr<CommandInputs>& inputs) {
  throwIfNull(inputs);
  Ptr<DropDownCommandInput> startFrom = inputs->itemById(kStartFromInputId);
  if (!startFrom) return;
  Ptr<ListItem> chosen = startFrom->selectedItem();
  if (!chosen) return;
  const CurvePreset* preset = presetLabelled(chosen->name());
  if (!preset) return;
  fill(inputs, writePresetInputs(*preset, shownUnit(inputs)));
  selectItem(startFrom, kCurrentInputsItem);
}

}  // namespace vintrel::dialog

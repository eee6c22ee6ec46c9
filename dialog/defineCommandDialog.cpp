#include "dialog/defineCommandDialog.h"

#include <array>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "curve/formula/Coordinates.h"
#include "curve/formula/LengthUnit.h"
#include "curve/formula/SplineTolerance.h"
#include "curve/presets/curvePresets.h"
#include "curve/text/shortestText.h"
#include "curve/text/significantText.h"
#include "curvehost/designLengthUnit.h"
#include "dialog/CommandTexts.h"
#include "dialog/CoordinateInputs.h"
#include "dialog/rememberedInputs.h"
#include "dialog/updatePreview.h"
#include "fusionkit/NullObjectError.h"

using vintrel::curve::centimetreUnit;
using vintrel::curve::Coordinates;
using vintrel::curve::CurveRequest;
using vintrel::curve::inUnit;
using vintrel::curve::kSplineTolerance;
using vintrel::curve::LengthUnit;
using vintrel::curve::lengthUnits;
using vintrel::curve::shortestText;
using vintrel::curve::significantText;

using namespace adsk::core;
using hv::f360::throwIfNull;

namespace vintrel::dialog {

namespace {

constexpr int kStatusRows = 5;
constexpr int kDefinitionsRows = 3;
// A new curve's tolerance reads as a short number in any unit: 0.02 mm, 0.00079 in.
constexpr int kToleranceDigits = 2;

void attach(const Ptr<CommandEvent>& event, CommandEventHandler* handler) {
  throwIfNull(event);
  event->add(handler);
}

// What the inputs start with: the stored curve's, or the defaults in the design's unit.
struct InitialInputs {
  std::map<std::string, std::string> formulas = {{kXFunctionInputId, kDefaultXFunction},
                                                 {kYFunctionInputId, kDefaultYFunction},
                                                 {kZFunctionInputId, kDefaultZFunction},
                                                 {kRhoFunctionInputId, kDefaultRhoFunction},
                                                 {kThetaFunctionInputId, kDefaultThetaFunction},
                                                 {kRadiusFunctionInputId, kDefaultRadiusFunction},
                                                 {kPhiFunctionInputId, kDefaultPhiFunction}};
  std::string definitions;
  std::string tStart = kDefaultMinTValue, tEnd = kDefaultMaxTValue;
  LengthUnit unit = centimetreUnit();
  std::string tolerance;
  Coordinates coordinates = Coordinates::Cartesian;
  bool fewestControls = false;
};

InitialInputs initialInputs(const std::optional<CurveRequest>& stored,
                            const Ptr<Application>& application) {
  InitialInputs initial;
  if (!stored) {
    initial.unit = curvehost::designLengthUnit(application);
    initial.tolerance = significantText(inUnit(kSplineTolerance, initial.unit), kToleranceDigits);
    return initial;
  }
  initial.definitions = stored->definitions;
  const std::array<const char*, 3> ids = formulaInputIds(stored->coordinates);
  initial.formulas[ids[0]] = stored->xExpression;
  initial.formulas[ids[1]] = stored->yExpression;
  initial.formulas[ids[2]] = stored->zExpression;
  // The shortest text of a stored number reads back as that very number.
  initial.tStart = shortestText(stored->tStart);
  initial.tEnd = shortestText(stored->tEnd);
  initial.unit = stored->unit;
  initial.tolerance = shortestText(stored->tolerance);
  initial.coordinates = stored->coordinates;
  initial.fewestControls = stored->fewestControls;
  return initial;
}

// An editable box of a few rows; its text is set as plain text, so that a definition's "<" is no
// formatting.
void addDefinitionsInput(const Ptr<CommandInputs>& inputs, const std::string& definitions) {
  Ptr<TextBoxCommandInput> box = inputs->addTextBoxCommandInput(
      kDefinitionsInputId, kDefinitionsLabel, "", kDefinitionsRows, false);
  if (box && !definitions.empty()) box->text(definitions);
}

void addFormulaInput(const Ptr<CommandInputs>& inputs, const char* id, const char* label,
                     const InitialInputs& initial) {
  inputs->addStringValueInput(id, label, initial.formulas.at(id));
}

void addDropDown(const Ptr<CommandInputs>& inputs, const char* id, const char* label,
                 const std::vector<std::string>& items, const std::string& selected) {
  Ptr<DropDownCommandInput> dropDown =
      inputs->addDropDownCommandInput(id, label, TextListDropDownStyle);
  // A drop-down the host leaves empty reads as no choice at the first preview, which says so.
  if (!dropDown) return;
  Ptr<ListItems> list = dropDown->listItems();
  if (!list) return;
  for (const std::string& item : items) list->add(item, item == selected);
}

std::vector<std::string> unitItems() {
  std::vector<std::string> names;
  for (const LengthUnit& unit : lengthUnits()) names.push_back(unit.name);
  return names;
}

std::vector<std::string> startFromItems() {
  std::vector<std::string> items = {kCurrentInputsItem};
  for (const curve::CurvePreset& preset : curve::curvePresets()) items.push_back(preset.label);
  return items;
}

std::vector<std::string> coordinatesItems() {
  return {std::begin(kCoordinatesItems), std::end(kCoordinatesItems)};
}

// The add-in keeps no input: each result is let go at once and found again by its ID. The
// formulas of the other coordinate systems sit beside x, y and z, hidden until chosen.
void addInputs(const Ptr<CommandInputs>& inputs, const InitialInputs& initial) {
  addDropDown(inputs, kStartFromInputId, kStartFromLabel, startFromItems(), kCurrentInputsItem);
  addDefinitionsInput(inputs, initial.definitions);
  addFormulaInput(inputs, kXFunctionInputId, kXFunctionLabel, initial);
  addFormulaInput(inputs, kRhoFunctionInputId, kRhoFunctionLabel, initial);
  addFormulaInput(inputs, kRadiusFunctionInputId, kRadiusFunctionLabel, initial);
  addFormulaInput(inputs, kYFunctionInputId, kYFunctionLabel, initial);
  addFormulaInput(inputs, kThetaFunctionInputId, kThetaFunctionLabel, initial);
  addFormulaInput(inputs, kZFunctionInputId, kZFunctionLabel, initial);
  addFormulaInput(inputs, kPhiFunctionInputId, kPhiFunctionLabel, initial);
  // An empty unit type keeps t a plain number, with no unit conversion anywhere.
  inputs->addValueInput(kMinTValueInputId, kMinTValueLabel, "",
                        ValueInput::createByString(initial.tStart));
  inputs->addValueInput(kMaxTValueInputId, kMaxTValueLabel, "",
                        ValueInput::createByString(initial.tEnd));
  inputs->addTextBoxCommandInput(kStatusDisplayId, kStatusDisplayLabel, "", kStatusRows, true);
  addDropDown(inputs, kUnitsInputId, kUnitsLabel, unitItems(), initial.unit.name);
  // A plain number in the chosen unit: changing the unit rescales the whole curve, tolerance
  // included, as it rescales every number of the formulas.
  inputs->addValueInput(kToleranceInputId, kToleranceLabel, "",
                        ValueInput::createByString(initial.tolerance));
  // A check box, not a button: no icons.
  inputs->addBoolValueInput(kFewestControlsInputId, kFewestControlsLabel, true, "",
                            initial.fewestControls);
  addDropDown(inputs, kCoordinatesInputId, kCoordinatesLabel, coordinatesItems(),
              coordinatesItem(initial.coordinates));
  showFormulaInputs(inputs, initial.coordinates);
}

}  // namespace

void defineCommandDialog(const Ptr<CommandCreatedEventArgs>& eventArgs,
                         CommandEventHandler* executeHandler, CommandEventHandler* destroyHandler,
                         CommandEventHandler* previewHandler, const Ptr<Application>& application,
                         CurvePreview& preview, CurveEdit& edit) {
  edit = CurveEdit{};
  if (!eventArgs) return;
  Ptr<Command> command = eventArgs->command();
  if (!command) return;
  OpenedCurve opened = openSelectedCurve(application);
  edit = opened.edit;
  command->helpFile(kHelpFile);
  attach(command->execute(), executeHandler);
  attach(command->destroy(), destroyHandler);
  attach(command->executePreview(), previewHandler);
  Ptr<CommandInputs> inputs = command->commandInputs();
  if (!inputs) return;
  // An edited curve opens with its own inputs, a new one with the last curve's of this design.
  const std::optional<CurveRequest> start =
      opened.edit.spline ? opened.request : rememberedInputs(application);
  addInputs(inputs, initialInputs(start, application));
  updatePreview(inputs, application, preview, edit);
}

}  // namespace vintrel::dialog

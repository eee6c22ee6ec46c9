#include "dialog/readCurveRequest.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "dialog/CommandTexts.h"
#include "dialog/CoordinateInputs.h"
#include "dialog/selectedItemName.h"
#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using hv::f360::throwIfNull;
using vintrel::curve::CurveRequest;
using vintrel::curve::LengthUnit;
using vintrel::curve::lengthUnitNamed;

namespace vintrel::dialog {

namespace {

// What follows the input's label when its expression does not evaluate.
constexpr char kNotAValidExpression[] =
    " is not a valid expression: type a number, or an expression of numbers, pi and the design's "
    "parameters, such as 2 * pi";

template <class Input>
Ptr<Input> findInput(const Ptr<CommandInputs>& inputs, const std::string& id) {
  throwIfNull(inputs);
  Ptr<Input> input = inputs->itemById(id);
  throwIfNull(input);
  return input;
}

// The host keeps the last valid value of an input whose expression does not evaluate: a value
// other than the one the input shows, which must not make the curve.
double validValue(const Ptr<ValueCommandInput>& input, const char* label) {
  if (!input->isValidExpression()) {
    throw std::runtime_error(label + std::string(kNotAValidExpression));
  }
  return input->value();
}

LengthUnit readUnit(const Ptr<CommandInputs>& inputs) {
  const std::string item = selectedItemName(inputs, kUnitsInputId);
  const std::optional<LengthUnit> unit = lengthUnitNamed(item);
  if (!unit) throw unknownChoice(kUnitsLabel, item);
  return *unit;
}

}  // namespace

CurveRequest readCurveRequest(const Ptr<CommandInputs>& inputs) {
  CurveRequest request;
  // The typed inputs stay held until all are read and go in the reverse order.
  Ptr<ValueCommandInput> start = findInput<ValueCommandInput>(inputs, kMinTValueInputId);
  request.tStart = validValue(start, kMinTValueLabel);
  Ptr<ValueCommandInput> end = findInput<ValueCommandInput>(inputs, kMaxTValueInputId);
  request.tEnd = validValue(end, kMaxTValueLabel);
  Ptr<TextBoxCommandInput> definitions =
      findInput<TextBoxCommandInput>(inputs, kDefinitionsInputId);
  request.definitions = definitions->text();
  request.coordinates = chosenCoordinates(inputs);
  const std::array<const char*, 3> ids = formulaInputIds(request.coordinates);
  Ptr<StringValueCommandInput> x = findInput<StringValueCommandInput>(inputs, ids[0]);
  request.xExpression = x->value();
  Ptr<StringValueCommandInput> y = findInput<StringValueCommandInput>(inputs, ids[1]);
  request.yExpression = y->value();
  Ptr<StringValueCommandInput> z = findInput<StringValueCommandInput>(inputs, ids[2]);
  request.zExpression = z->value();
  request.unit = readUnit(inputs);
  Ptr<ValueCommandInput> tolerance = findInput<ValueCommandInput>(inputs, kToleranceInputId);
  request.tolerance = validValue(tolerance, kToleranceLabel);
  Ptr<BoolValueCommandInput> fewest =
      findInput<BoolValueCommandInput>(inputs, kFewestControlsInputId);
  request.fewestControls = fewest->value();
  return request;
}

}  // namespace vintrel::dialog

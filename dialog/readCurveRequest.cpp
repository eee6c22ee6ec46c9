#include "dialog/readCurveRequest.h"

#include <stdexcept>
#include <string>

#include "dialog/CommandTexts.h"
#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using hv::f360::throwIfNull;
using vintrel::curve::CurveRequest;

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

}  // namespace

CurveRequest readCurveRequest(const Ptr<CommandInputs>& inputs) {
  CurveRequest request;
  // The typed inputs stay held until all five are read and go in the reverse order.
  Ptr<ValueCommandInput> start = findInput<ValueCommandInput>(inputs, kMinTValueInputId);
  request.tStart = validValue(start, kMinTValueLabel);
  Ptr<ValueCommandInput> end = findInput<ValueCommandInput>(inputs, kMaxTValueInputId);
  request.tEnd = validValue(end, kMaxTValueLabel);
  Ptr<StringValueCommandInput> x = findInput<StringValueCommandInput>(inputs, kXFunctionInputId);
  request.xExpression = x->value();
  Ptr<StringValueCommandInput> y = findInput<StringValueCommandInput>(inputs, kYFunctionInputId);
  request.yExpression = y->value();
  Ptr<StringValueCommandInput> z = findInput<StringValueCommandInput>(inputs, kZFunctionInputId);
  request.zExpression = z->value();
  return request;
}

}  // namespace vintrel::dialog

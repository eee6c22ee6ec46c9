#include "dialog/readCurveRequest.h"

#include <string>

#include "dialog/CommandTexts.h"
#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using hv::f360::throwIfNull;
using vintrel::curve::CurveRequest;

namespace vintrel::dialog {

namespace {

template <class Input>
Ptr<Input> findInput(const Ptr<CommandInputs>& inputs, const std::string& id) {
  throwIfNull(inputs);
  Ptr<Input> input = inputs->itemById(id);
  throwIfNull(input);
  return input;
}

}  // namespace

CurveRequest readCurveRequest(const Ptr<CommandInputs>& inputs) {
  CurveRequest request;
  // The typed inputs stay held until all five are read and go in the reverse order.
  Ptr<ValueCommandInput> start = findInput<ValueCommandInput>(inputs, kMinTValueInputId);
  request.tStart = start->value();
  Ptr<ValueCommandInput> end = findInput<ValueCommandInput>(inputs, kMaxTValueInputId);
  request.tEnd = end->value();
  Ptr<StringValueCommandInput> x = findInput<StringValueCommandInput>(inputs, kXFunctionInputId);
  request.xExpression = x->value();
  Ptr<StringValueCommandInput> y = findInput<StringValueCommandInput>(inputs, kYFunctionInputId);
  request.yExpression = y->value();
  Ptr<StringValueCommandInput> z = findInput<StringValueCommandInput>(inputs, kZFunctionInputId);
  request.zExpression = z->value();
  return request;
}

}  // namespace vintrel::dialog

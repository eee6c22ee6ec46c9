#include "curve/ExpressionEvaluator.h"

#include <muParserDLL.h>

#include <stdexcept>

#include "curve/ExpressionError.h"

namespace {
constexpr int kFloatingPointParser = 0;
}

ExpressionEvaluator::ExpressionEvaluator(const std::vector<std::string>& expressions,
                                         const ParameterTable& parameters)
    : values_(expressions.size(), 0.0) {
  // Reserving first means nothing below can throw once a handle exists, so none can leak.
  parsers_.reserve(expressions.size());
  for (const std::string& expression : expressions) {
    ParserHandle parser = mupCreate(kFloatingPointParser);
    for (const auto& [name, value] : parameters) {
      mupDefineConst(parser, name.c_str(), value);
    }
    // A refused constant name raises muparser's error flag; reading the flag resets it, so that
    // only this expression's own parse or evaluation can raise it again.
    mupError(parser);
    mupSetExpr(parser, expression.c_str());
    parsers_.push_back(parser);
  }
}

ExpressionEvaluator::~ExpressionEvaluator() {
  for (ParserHandle parser : parsers_) {
    mupRelease(parser);
  }
}

int ExpressionEvaluator::addVariable(const std::string& name) {
  variableNames_.push_back(name);
  variableValues_.push_back(0.0);
  return static_cast<int>(variableValues_.size()) - 1;
}

void ExpressionEvaluator::setVariable(int index, double value) {
  if (index < 0 || index >= static_cast<int>(variableValues_.size())) {
    throw std::runtime_error("Invalid variable index: " + std::to_string(index));
  }
  variableValues_[index] = value;
}

const std::vector<double>& ExpressionEvaluator::evaluate() {
  const bool firstEvaluation = !variablesBound_;
  if (firstEvaluation) bindVariables();
  for (std::size_t i = 0; i < parsers_.size(); ++i) {
    values_[i] = mupEval(parsers_[i]);
    // muparser parses an expression at its first evaluation; a parse error then stays the same
    // for every later one, so checking the first evaluation of each parser is enough.
    if (firstEvaluation && mupError(parsers_[i])) {
      const char* message = mupGetErrorMsg(parsers_[i]);
      throw ExpressionError(static_cast<int>(i), message != nullptr ? message : "");
    }
  }
  return values_;
}

void ExpressionEvaluator::bindVariables() {
  for (std::size_t i = 0; i < variableNames_.size(); ++i) {
    for (ParserHandle parser : parsers_) {
      mupDefineVar(parser, variableNames_[i].c_str(), &variableValues_[i]);
    }
  }
  variablesBound_ = true;
}

#include "curve/ExpressionEvaluator.h"

#include <muParserDLL.h>

#include <stdexcept>

#include "curve/ExpressionError.h"

namespace {

constexpr int kFloatingPointParser = 0;

// muparser's pending error message, empty when there is none. Reading the flag resets it.
std::string errorMessage(void* parser) {
  if (!mupError(parser)) return std::string();
  const char* message = mupGetErrorMsg(parser);
  return message != nullptr && *message != '\0' ? message : "Invalid expression.";
}

// muparser's own name characters plus every byte of a multi-byte UTF-8 sequence, so that a
// design parameter named "länge" or "Ø" is one name to the parser instead of an unknown token
// in the middle of a character.
const std::string& nameCharacters() {
  static const std::string characters = [] {
    std::string ascii = "0123456789_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int byte = 0x80; byte <= 0xFF; ++byte) ascii.push_back(static_cast<char>(byte));
    return ascii;
  }();
  return characters;
}

}  // namespace

ExpressionEvaluator::ExpressionEvaluator(const std::vector<std::string>& expressions,
                                         const ParameterTable& parameters)
    : values_(expressions.size(), 0.0) {
  parsers_.reserve(expressions.size());
  refusals_.reserve(expressions.size());
  const std::string& nameChars = nameCharacters();
  try {
    for (const std::string& expression : expressions) {
      parsers_.push_back(mupCreate(kFloatingPointParser));  // reserved: cannot throw
      ParserHandle parser = parsers_.back();
      mupDefineNameChars(parser, nameChars.c_str());
      for (const auto& [name, value] : parameters) {
        mupDefineConst(parser, name.c_str(), value);
      }
      // A refused constant name raises muparser's error flag; reading the flag resets it, so
      // that only this expression's own parse or evaluation can raise it again.
      mupError(parser);
      mupSetExpr(parser, expression.c_str());
      refusals_.emplace_back(errorMessage(parser));
    }
  } catch (...) {
    // A constructor that throws runs no destructor: the handles made so far are freed here.
    releaseParsers();
    throw;
  }
}

ExpressionEvaluator::~ExpressionEvaluator() { releaseParsers(); }

void ExpressionEvaluator::releaseParsers() {
  for (ParserHandle parser : parsers_) {
    mupRelease(parser);
  }
  parsers_.clear();
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
    refreshBoundValues(i);
    values_[i] = firstEvaluation ? firstValue(i) : mupEval(parsers_[i]);
  }
  return values_;
}

// muparser parses an expression at its first evaluation; a parse error, and the number of values
// the expression gives, then stay the same for every later one.
double ExpressionEvaluator::firstValue(std::size_t parser) {
  if (!refusals_[parser].empty())
    throw ExpressionError(static_cast<int>(parser), refusals_[parser]);
  int count = 0;
  const double* values = mupEvalMulti(parsers_[parser], &count);
  const std::string message = errorMessage(parsers_[parser]);
  if (!message.empty()) throw ExpressionError(static_cast<int>(parser), message);
  // "1,5" is two values to muparser, of which it would keep the 5: a decimal comma must not
  // silently become another number.
  if (count != 1 || values == nullptr) {
    throw ExpressionError(static_cast<int>(parser),
                          "The expression gives " + std::to_string(count) +
                              " values separated by commas; write decimals with a point (1.5).");
  }
  return values[0];
}

void ExpressionEvaluator::bindVariables() {
  const std::size_t count = variableNames_.size();
  boundVariableCount_ = count;
  boundValues_.assign(parsers_.size() * count, 0.0);
  for (std::size_t p = 0; p < parsers_.size(); ++p) {
    for (std::size_t v = 0; v < count; ++v) {
      mupDefineVar(parsers_[p], variableNames_[v].c_str(), &boundValues_[p * count + v]);
    }
  }
  variablesBound_ = true;
}

void ExpressionEvaluator::refreshBoundValues(std::size_t parser) {
  const std::size_t count = boundVariableCount_;
  for (std::size_t v = 0; v < count; ++v) {
    boundValues_[parser * count + v] = variableValues_[v];
  }
}

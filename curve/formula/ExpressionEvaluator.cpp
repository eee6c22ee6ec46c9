#include "curve/formula/ExpressionEvaluator.h"

#include <muParserDLL.h>

#include <algorithm>
#include <stdexcept>

#include "curve/formula/ExpressionError.h"
#include "curve/formula/NameCharacter.h"

namespace vintrel::curve {

namespace {

constexpr int kFloatingPointParser = 0;

std::string copyOf(const char* text) { return text != nullptr ? text : ""; }

// muparser formats its messages, most of which quote the token it stumbled on, into one buffer of
// 2048 bytes without checking the length: a long enough token (an unknown name of 2000 letters)
// would overrun it and end the host. No token of a formula this short can; for longer formulas
// muparser is asked only for the messages whose token is short by nature (a parenthesis, one of its
// functions, t) or that quote none, and the others are worded here.
constexpr std::size_t kLongestQuotableExpression = 1800;

bool quotesOnlyShortTokens(int code) {
  switch (code) {
    case 2:   // unexpected end of expression
    case 3:   // unexpected argument separator
    case 4:   // unexpected argument
    case 6:   // unexpected variable: t
    case 7:   // unexpected parenthesis
    case 11:  // missing parenthesis
    case 12:  // unexpected function: one of muparser's
    case 14:  // too many parameters for a function of muparser's
    case 15:  // too few parameters
    case 17:  // a string as the result
    case 25:  // empty expression
    case 33:  // if-then-else without else
    case 34:  // misplaced colon
    case 37:  // expression too long
      return true;
    default:
      return false;
  }
}

}  // namespace

// muparser's pending error, with an empty message when there is none. Reading the flag resets it.
ExpressionEvaluator::Complaint ExpressionEvaluator::pendingComplaint(ParserHandle parser,
                                                                     std::size_t expressionLength) {
  Complaint complaint;
  if (!mupError(parser)) return complaint;
  complaint.code = static_cast<int>(mupGetErrorCode(parser));
  complaint.position = static_cast<int>(mupGetErrorPos(parser));
  if (expressionLength <= kLongestQuotableExpression || quotesOnlyShortTokens(complaint.code)) {
    complaint.message = copyOf(mupGetErrorMsg(parser));
  } else {
    complaint.message =
        "The expression cannot be read at position " + std::to_string(complaint.position) + ".";
  }
  if (complaint.message.empty()) complaint.message = "Invalid expression.";
  return complaint;
}

ExpressionError ExpressionEvaluator::Complaint::asError(std::size_t parser) const {
  return ExpressionError(static_cast<int>(parser), message, code, position);
}

ExpressionEvaluator::ExpressionEvaluator(const std::vector<std::string>& expressions,
                                         const ParameterTable& parameters)
    : values_(expressions.size(), 0.0) {
  parsers_.reserve(expressions.size());
  refusals_.reserve(expressions.size());
  expressionLengths_.reserve(expressions.size());
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
      expressionLengths_.push_back(expression.size());
      refusals_.push_back(pendingComplaint(parser, expression.size()));
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
  firstReaders_.push_back(0);
  return static_cast<int>(variableValues_.size()) - 1;
}

int ExpressionEvaluator::nameExpression(std::size_t expression, const std::string& name) {
  if (expression >= parsers_.size()) {
    throw std::runtime_error("Invalid expression index: " + std::to_string(expression));
  }
  const int variable = addVariable(name);
  firstReaders_.back() = expression + 1;
  const NamedExpression named{expression, static_cast<std::size_t>(variable)};
  namedExpressions_.insert(
      std::upper_bound(namedExpressions_.begin(), namedExpressions_.end(), named,
                       [](const NamedExpression& a, const NamedExpression& b) {
                         return a.expression < b.expression;
                       }),
      named);
  return variable;
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
  auto named = namedExpressions_.begin();
  for (std::size_t i = 0; i < parsers_.size(); ++i) {
    refreshBoundValues(i);
    values_[i] = firstEvaluation ? firstValue(i) : mupEval(parsers_[i]);
    // The expressions after this one read its value through their copies of its variable.
    for (; named != namedExpressions_.end() && named->expression == i; ++named) {
      variableValues_[named->variable] = values_[i];
    }
  }
  evaluations_ += parsers_.size();
  return values_;
}

void ExpressionEvaluator::evaluateAt(int index, const double* values, std::size_t count,
                                     double* results) {
  if (count == 0) return;
  setVariable(index, values[0]);
  // The first value goes through evaluate, which binds and checks on the evaluator's first call.
  const std::vector<double>& first = evaluate();
  std::copy(first.begin(), first.end(), results);
  const std::size_t expressions = parsers_.size();
  std::size_t namedBefore = 0;  // the named expressions before p, whose values p reads
  for (std::size_t p = 0; p < expressions; ++p) {
    while (namedBefore < namedExpressions_.size() &&
           namedExpressions_[namedBefore].expression < p) {
      ++namedBefore;
    }
    // An expression that reads no named value (every one of a curve without definitions) has a
    // loop of its own, which costs what it did before there were named values.
    if (namedBefore == 0) {
      for (std::size_t k = 1; k < count; ++k) {
        variableValues_[static_cast<std::size_t>(index)] = values[k];
        // An assignment inside the expression may have changed its copies of the variables.
        refreshBoundValues(p);
        results[k * expressions + p] = mupEval(parsers_[p]);
      }
    } else {
      for (std::size_t k = 1; k < count; ++k) {
        variableValues_[static_cast<std::size_t>(index)] = values[k];
        // Expression-major order has left the earlier expressions' values for every k here.
        for (std::size_t n = 0; n < namedBefore; ++n) {
          const NamedExpression& named = namedExpressions_[n];
          variableValues_[named.variable] = results[k * expressions + named.expression];
        }
        refreshBoundValues(p);
        results[k * expressions + p] = mupEval(parsers_[p]);
      }
    }
    evaluations_ += count - 1;
  }
  variableValues_[static_cast<std::size_t>(index)] = values[count - 1];
}

// muparser parses an expression at its first evaluation; a parse error, and the number of values
// the expression gives, then stay the same for every later one.
double ExpressionEvaluator::firstValue(std::size_t parser) {
  if (!refusals_[parser].message.empty()) throw refusals_[parser].asError(parser);
  int count = 0;
  const double* values = mupEvalMulti(parsers_[parser], &count);
  const Complaint complaint = pendingComplaint(parsers_[parser], expressionLengths_[parser]);
  if (!complaint.message.empty()) throw complaint.asError(parser);
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
      if (p < firstReaders_[v]) continue;
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

}  // namespace vintrel::curve

// The failure of one expression of an ExpressionEvaluator, as muparser words it. The sampler
// catches it to name the coordinate that failed ("x(t): ...").
#pragma once

#include <stdexcept>
#include <string>

/// Raised by ExpressionEvaluator::evaluate when muparser could not parse or evaluate an
/// expression. what() is muparser's own message; expressionIndex() is the position of the
/// expression in the list the evaluator was built from.
class ExpressionError : public std::runtime_error {
 public:
  ExpressionError(int expressionIndex, const std::string& message)
      : std::runtime_error(message), expressionIndex_(expressionIndex) {}

  int expressionIndex() const { return expressionIndex_; }

 private:
  int expressionIndex_;
};

// Evaluates a fixed list of muparser expressions for given values of named variables, one parser
// per expression, all sharing the same named constants. Curve sampling uses it with x(t), y(t),
// z(t) and the single variable "t".
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "curve/ParameterTable.h"

/// Owns one muparser parser per expression. Calling order: construct, addVariable for every
/// variable, then any number of rounds of setVariable and evaluate. Not copyable.
class ExpressionEvaluator {
 public:
  /// Creates a parser for each expression, in order, defines every entry of `parameters` as a
  /// constant of it (in the table's order) and sets the expression. Nothing is parsed yet. A
  /// constant whose name muparser refuses is simply not defined: an expression that uses it fails
  /// at the first evaluate with muparser's unknown-token message, the others are unaffected.
  ExpressionEvaluator(const std::vector<std::string>& expressions,
                      const ParameterTable& parameters);
  /// Releases every parser.
  ~ExpressionEvaluator();
  ExpressionEvaluator(const ExpressionEvaluator&) = delete;
  ExpressionEvaluator& operator=(const ExpressionEvaluator&) = delete;

  /// Adds a variable with the value 0 and returns its index (0 for the first). Variables added
  /// after the first evaluate are never seen by the expressions.
  int addVariable(const std::string& name);

  /// Sets the value of variable `index`. Throws std::runtime_error
  /// "Invalid variable index: <index>" when there is no such variable.
  void setVariable(int index, double value);

  /// Evaluates every expression with the current variable values and returns the values, one per
  /// expression in construction order; the reference stays valid until the next call. The first
  /// call binds the variables and throws ExpressionError, naming the first expression that
  /// muparser could not parse or evaluate, with muparser's message.
  const std::vector<double>& evaluate();

 private:
  using ParserHandle = void*;  // muparser's opaque handle (muParserHandle_t)

  void bindVariables();

  std::vector<ParserHandle> parsers_;
  std::vector<std::string> variableNames_;
  // The parsers read the values through their addresses: a deque never moves its elements when
  // it grows, so even a variable added too late cannot leave a parser reading freed memory.
  std::deque<double> variableValues_;
  bool variablesBound_ = false;
  std::vector<double> values_;
};

// Evaluates a fixed list of muparser expressions for given values of named variables, one parser
// per expression, all sharing the same named constants; an expression's value may be named as a
// variable of the expressions after it. Curve sampling uses it with the curve's definitions, x(t),
// y(t), z(t) and the single variable "t".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "curve/formula/ExpressionError.h"
#include "curve/formula/ParameterTable.h"

namespace vintrel::curve {

/// Owns one muparser parser per expression. Calling order: construct, addVariable and
/// nameExpression for every variable, then any number of rounds of setVariable and evaluate. Not
/// copyable.
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

  /// Adds a variable `name` whose value is expression `expression`'s, and returns its index: the
  /// expressions after that one see its value for the same values of the other variables (each
  /// evaluate and each value of evaluateAt evaluates it once), the expressions up to it do not
  /// know the name (muparser's unknown-token error). setVariable on it has no lasting effect.
  /// Throws std::runtime_error "Invalid expression index: <expression>" when there is no such
  /// expression.
  int nameExpression(std::size_t expression, const std::string& name);

  /// Sets the value of variable `index`. Throws std::runtime_error
  /// "Invalid variable index: <index>" when there is no such variable.
  void setVariable(int index, double value);

  /// Evaluates every expression with the current variable values and returns the values, one per
  /// expression in construction order; the reference stays valid until the next call. The first
  /// call binds the variables and throws ExpressionError, naming the first expression that
  /// muparser refused (longer than it takes, say), could not parse or could not evaluate, with
  /// muparser's message (for a formula longer than 1800 bytes, one that could quote a long part
  /// of it is worded here instead: "The expression cannot be read at position <n>."), error code
  /// and position, or that gives more than one value ("1,5"). An expression that assigns to a
  /// variable ("t = 2 * t") changes only its own copy, for that one evaluation: the other
  /// expressions and later calls see the values set.
  const std::vector<double>& evaluate();

  /// The same as setVariable(index, values[k]) and evaluate() for k = 0 ... count - 1, writing
  /// expression e's value for values[k] to results[k · expressions + e]; variable `index` keeps
  /// values[count - 1]. Evaluates one expression at all the values before the next, which keeps
  /// each parser hot, and throws what evaluate throws, at the first value, before writing any
  /// result. Throws std::runtime_error "Invalid variable index: <index>" as setVariable does.
  void evaluateAt(int index, const double* values, std::size_t count, double* results);

  /// How many times an expression has been evaluated so far, each evaluate counting one per
  /// expression and evaluateAt one per expression and value: what a curve's sampling costs.
  std::size_t evaluations() const { return evaluations_; }

 private:
  using ParserHandle = void*;  // muparser's opaque handle (muParserHandle_t)

  // What muparser said about an expression; an empty message means it said nothing.
  struct Complaint {
    std::string message;
    int code = ExpressionError::kNotMuparsers;
    int position = -1;

    ExpressionError asError(std::size_t parser) const;
  };

  static Complaint pendingComplaint(ParserHandle parser, std::size_t expressionLength);

  void releaseParsers();
  void bindVariables();
  void refreshBoundValues(std::size_t parser);
  double firstValue(std::size_t parser);

  // A variable that takes an expression's value.
  struct NamedExpression {
    std::size_t expression;
    std::size_t variable;
  };

  std::vector<ParserHandle> parsers_;
  std::vector<std::string> variableNames_;
  std::vector<double> variableValues_;
  // The first parser each variable is bound to: 0, or the one after the expression it names.
  std::vector<std::size_t> firstReaders_;
  // In increasing order of expressions.
  std::vector<NamedExpression> namedExpressions_;
  // Each parser reads its own copy of the variables (parser-major), sized once when bound, so
  // that an assignment inside one expression cannot reach another.
  std::vector<double> boundValues_;
  std::size_t boundVariableCount_ = 0;
  bool variablesBound_ = false;
  // What muparser said when it was handed each expression (empty: accepted); reported at the
  // first evaluate, in expression order with the parse errors.
  std::vector<Complaint> refusals_;
  // Decides which of muparser's messages can be asked for safely.
  std::vector<std::size_t> expressionLengths_;
  std::vector<double> values_;
  std::size_t evaluations_ = 0;
};

}  // namespace vintrel::curve

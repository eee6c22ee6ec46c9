// The failure of one expression of an ExpressionEvaluator, as muparser words it, with muparser's
// error code and where it stumbled. The sampler catches it to name the coordinate that failed
// ("x(t): ...") and to put muparser's complaint into words a designer can act on.
#pragma once

#include <stdexcept>
#include <string>

namespace vintrel::curve {

/// Raised by ExpressionEvaluator::evaluate when muparser could not parse or evaluate an
/// expression. what() is muparser's own message; expressionIndex() is the position of the
/// expression in the list the evaluator was built from.
class ExpressionError : public std::runtime_error {
 public:
  /// muparser's code for a token it cannot place: a name it does not know, a function without
  /// its parentheses, a character it has no use for.
  static constexpr int kUnassignableToken = 1;
  /// muparser's code for a formula that ends where a value must follow ("sin(", "2 *").
  static constexpr int kUnexpectedEnd = 2;
  /// muparser's code for a parenthesis where none can stand (a ")" that closes nothing).
  static constexpr int kUnexpectedParenthesis = 7;
  /// muparser's code for a "(" that is never closed.
  static constexpr int kMissingParenthesis = 11;
  /// muparser's code for a formula longer than it takes.
  static constexpr int kExpressionTooLong = 37;
  /// code() of a failure the evaluator found itself rather than muparser.
  static constexpr int kNotMuparsers = -1;

  ExpressionError(int expressionIndex, const std::string& message, int code = kNotMuparsers,
                  int position = -1)
      : std::runtime_error(message),
        expressionIndex_(expressionIndex),
        code_(code),
        position_(position) {}

  int expressionIndex() const { return expressionIndex_; }
  /// muparser's error code (muparser's EErrorCodes), or kNotMuparsers.
  int code() const { return code_; }
  /// Where muparser stumbled, in bytes from the start of the expression; -1 when it did not say.
  int position() const { return position_; }

 private:
  int expressionIndex_;
  int code_;
  int position_;
};

}  // namespace vintrel::curve

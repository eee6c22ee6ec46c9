#include "curve/formula/ExpressionEvaluator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "curve/formula/ExpressionError.h"

using vintrel::curve::ExpressionError;
using vintrel::curve::ExpressionEvaluator;
using vintrel::curve::ParameterTable;

namespace {

TEST(ExpressionEvaluator, RejectsAnIndexOutsideTheVariables) {
  ExpressionEvaluator evaluator({"t"}, {});
  evaluator.addVariable("t");
  evaluator.addVariable("s");
  for (const auto& [index, message] : std::vector<std::pair<int, std::string>>{
           {-1, "Invalid variable index: -1"}, {2, "Invalid variable index: 2"}}) {
    try {
      evaluator.setVariable(index, 1.0);
      ADD_FAILURE() << "no error for index " << index;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()), message);
    }
  }
}

TEST(ExpressionEvaluator, EvaluatesEveryExpressionInOrderWithConstantsAndVariables) {
  ExpressionEvaluator evaluator({"a + t", "b * t - s", "t"}, {{"a", 1.0}, {"b", 2.0}});
  const int t = evaluator.addVariable("t");
  const int s = evaluator.addVariable("s");
  EXPECT_EQ(t, 0);
  EXPECT_EQ(s, 1);
  evaluator.setVariable(t, 3.0);
  evaluator.setVariable(s, 0.5);
  // 1 + 3, 2 * 3 - 0.5, 3
  EXPECT_EQ(evaluator.evaluate(), (std::vector<double>{4.0, 5.5, 3.0}));
  EXPECT_EQ(evaluator.evaluate(), (std::vector<double>{4.0, 5.5, 3.0}));
  evaluator.setVariable(t, -1.0);
  EXPECT_EQ(evaluator.evaluate(), (std::vector<double>{0.0, -2.5, -1.0}));
}

TEST(ExpressionEvaluator, GivesNoValuesForNoExpressions) {
  ExpressionEvaluator evaluator({}, {{"pi", 3.141592653589793}});
  evaluator.addVariable("t");
  EXPECT_TRUE(evaluator.evaluate().empty());
}

TEST(ExpressionEvaluator, NamesTheFirstExpressionMuparserRejects) {
  ExpressionEvaluator evaluator({"t", "(1", "a"}, {});
  evaluator.addVariable("t");
  try {
    evaluator.evaluate();
    ADD_FAILURE() << "no error";
  } catch (const ExpressionError& error) {
    EXPECT_EQ(error.expressionIndex(), 1);
    EXPECT_EQ(std::string(error.what()), "Missing parenthesis");
  }
}

// muparser's message, code and byte position all come along: "π" is two bytes, so the unknown
// "q" after it stands at byte 5.
TEST(ExpressionEvaluator, ReportsWhereMuparserStumbled) {
  ExpressionEvaluator evaluator({"\xCF\x80 + q"}, {{"\xCF\x80", 3.0}});
  evaluator.addVariable("t");
  try {
    evaluator.evaluate();
    ADD_FAILURE() << "no error";
  } catch (const ExpressionError& error) {
    EXPECT_EQ(std::string(error.what()), "Unexpected token \"q\" found at position 5.");
    EXPECT_EQ(error.code(), ExpressionError::kUnassignableToken);
    EXPECT_EQ(error.position(), 5);
  }
}

// muparser would write a message quoting a name of 3000 letters past the end of its buffer: for so
// long a formula the evaluator words that message itself, and the short ones stay muparser's.
TEST(ExpressionEvaluator, WordsMessagesThatWouldQuoteALongFormula) {
  const std::string longName(3000, 'a');
  ExpressionEvaluator evaluator({"t + " + longName, "(" + longName}, {});
  evaluator.addVariable("t");
  try {
    evaluator.evaluate();
    ADD_FAILURE() << "no error";
  } catch (const ExpressionError& error) {
    EXPECT_EQ(std::string(error.what()), "The expression cannot be read at position 4.");
    EXPECT_EQ(error.code(), ExpressionError::kUnassignableToken);
  }
  std::string sum = "(t";
  while (sum.size() < 3000) sum += " + t";
  ExpressionEvaluator missing({sum}, {});
  missing.addVariable("t");
  try {
    missing.evaluate();
    ADD_FAILURE() << "no error";
  } catch (const ExpressionError& error) {
    EXPECT_EQ(std::string(error.what()), "Missing parenthesis");
  }
}

// muparser refuses a constant named "a b"; its flag must not stick to the parser.
TEST(ExpressionEvaluator, ARefusedConstantOnlyFailsTheExpressionsThatUseIt) {
  const ParameterTable parameters{{"a b", 1.0}, {"c", 2.0}};
  ExpressionEvaluator good({"c * t"}, parameters);
  good.setVariable(good.addVariable("t"), 4.0);
  EXPECT_EQ(good.evaluate(), std::vector<double>{8.0});

  ExpressionEvaluator bad({"a b"}, parameters);
  bad.addVariable("t");
  try {
    bad.evaluate();
    ADD_FAILURE() << "no error";
  } catch (const ExpressionError& error) {
    EXPECT_EQ(std::string(error.what()), "Unexpected token \"a\" found at position 0.");
  }
}

TEST(ExpressionEvaluator, KeepsBoundValuesInPlaceWhenAVariableComesTooLate) {
  ExpressionEvaluator evaluator({"t"}, {});
  const int t = evaluator.addVariable("t");
  evaluator.evaluate();
  for (int i = 0; i < 1000; ++i) {
    evaluator.addVariable("late" + std::to_string(i));
  }
  evaluator.setVariable(t, 5.0);
  EXPECT_EQ(evaluator.evaluate(), std::vector<double>{5.0});
}

}  // namespace

// muparser allows assignments to variables; one expression's "t = ..." must not move the t that
// the others, or the next evaluation, see.
TEST(ExpressionEvaluator, AnAssignmentToAVariableStaysInsideItsExpression) {
  ExpressionEvaluator evaluator({"t = 5", "t", "(t = 2 * t) + t", "t"}, {});
  const int t = evaluator.addVariable("t");
  for (double value : {1.0, 3.0}) {
    evaluator.setVariable(t, value);
    EXPECT_EQ(evaluator.evaluate(), (std::vector<double>{5.0, value, 4 * value, value}));
  }
}

// Many values at once give what one value at a time gives, assignments to t and a second
// variable included; the first value parses, and an error leaves before any result is written.
TEST(ExpressionEvaluator, EvaluatesManyValuesAsOneAtATime) {
  const std::vector<std::string> expressions = {"t = 5", "t * s", "(t = 2 * t) + t", "t"};
  ExpressionEvaluator many(expressions, {});
  ExpressionEvaluator single(expressions, {});
  const int t = many.addVariable("t");
  const int s = many.addVariable("s");
  single.addVariable("t");
  single.addVariable("s");
  many.setVariable(s, 3.0);
  single.setVariable(s, 3.0);
  const std::vector<double> values = {1.0, -2.5, 0.0, 7.0};
  std::vector<double> results(values.size() * expressions.size());
  many.evaluateAt(t, values.data(), values.size(), results.data());
  for (std::size_t k = 0; k < values.size(); ++k) {
    single.setVariable(t, values[k]);
    EXPECT_EQ(std::vector<double>(results.begin() + 4 * k, results.begin() + 4 * k + 4),
              single.evaluate())
        << values[k];
  }
  EXPECT_EQ(many.evaluate(), single.evaluate());  // t kept the last value, 7

  ExpressionEvaluator broken({"t", "(t"}, {});
  const int u = broken.addVariable("t");
  std::vector<double> untouched(4, -1.0);
  EXPECT_THROW(broken.evaluateAt(u, values.data(), 2, untouched.data()), ExpressionError);
  EXPECT_EQ(untouched, std::vector<double>(4, -1.0));
  EXPECT_THROW(broken.evaluateAt(2, values.data(), 2, untouched.data()), std::runtime_error);
}

// A decimal comma: muparser reads "1,5" as the two values 1 and 5 and would keep the 5.
TEST(ExpressionEvaluator, RefusesAnExpressionThatGivesSeveralValues) {
  for (const char* expression : {"1,5", "t, 1", "sin(t), cos(t), t"}) {
    ExpressionEvaluator evaluator({"t", expression}, {});
    evaluator.addVariable("t");
    try {
      evaluator.evaluate();
      ADD_FAILURE() << expression;
    } catch (const ExpressionError& error) {
      EXPECT_EQ(error.expressionIndex(), 1);
      EXPECT_NE(std::string(error.what()).find("separated by commas"), std::string::npos);
    }
  }
}

// muparser refuses expressions of 20000 characters or more when they are set; the message must be
// its own, not the "Unexpected end of expression" that evaluating the refused text gives.
TEST(ExpressionEvaluator, ReportsAnExpressionMuparserRefusesAsTooLong) {
  std::string sum = "t";
  while (sum.size() < 1 << 20) sum += " + t";
  ExpressionEvaluator evaluator({"t", sum}, {});
  evaluator.addVariable("t");
  try {
    evaluator.evaluate();
    ADD_FAILURE() << "no error";
  } catch (const ExpressionError& error) {
    EXPECT_EQ(error.expressionIndex(), 1);
    EXPECT_EQ(std::string(error.what()), "Expression too long.");
  }
}

// Parameter names in any script are whole names; an unknown one is named whole in the message,
// never cut inside a multi-byte character.
TEST(ExpressionEvaluator, TakesNamesOfUnicodeLetters) {
  ExpressionEvaluator evaluator({"länge * Ø * t"}, {{"länge", 2.0}, {"Ø", 3.0}});
  evaluator.setVariable(evaluator.addVariable("t"), 0.5);
  EXPECT_EQ(evaluator.evaluate(), std::vector<double>{3.0});

  ExpressionEvaluator unknown({"2 * πr"}, {});
  unknown.addVariable("t");
  try {
    unknown.evaluate();
    ADD_FAILURE() << "no error";
  } catch (const ExpressionError& error) {
    EXPECT_EQ(std::string(error.what()), "Unexpected token \"πr\" found at position 4.");
  }
}

// At t = 3 the named a = 2t = 6 and b = a + t = 9 reach the third expression, whose assignment
// a = 1 stays its own (1 + 1 · 9 = 10; the fourth still reads 6). Many values give what one at a
// time gives, each expression evaluated once per value.
TEST(ExpressionEvaluator, GivesANamedExpressionsValueToTheExpressionsAfterIt) {
  const std::vector<std::string> expressions = {"2 * t", "a + t", "(a = 1) + a * b", "a"};
  ExpressionEvaluator many(expressions, {});
  ExpressionEvaluator single(expressions, {});
  for (ExpressionEvaluator* evaluator : {&many, &single}) {
    evaluator->addVariable("t");
    evaluator->nameExpression(0, "a");
    evaluator->nameExpression(1, "b");
  }
  single.setVariable(0, 3.0);
  EXPECT_EQ(single.evaluate(), (std::vector<double>{6.0, 9.0, 10.0, 6.0}));
  const std::vector<double> t = {3.0, -1.0, 0.5};
  std::vector<double> results(t.size() * expressions.size());
  many.evaluateAt(0, t.data(), t.size(), results.data());
  EXPECT_EQ(many.evaluations(), 12u);
  for (std::size_t k = 0; k < t.size(); ++k) {
    single.setVariable(0, t[k]);
    EXPECT_EQ(std::vector<double>(results.begin() + 4 * k, results.begin() + 4 * k + 4),
              single.evaluate());
  }
}

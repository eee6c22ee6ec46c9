// muparser's complaints as a designer should read them. The errors are built as muparser raises
// them (message, code, byte position), so each case states exactly what muparser said.
#include "curve/formula/explainExpressionError.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using vintrel::curve::explainExpressionError;
using vintrel::curve::ExpressionError;
using vintrel::curve::ParameterTable;

namespace {

const ParameterTable kConstants{
    {"Radius", 5.0}, {"lange", 1.0}, {"pi", 3.141592653589793}, {"pitch", 2.0}, {"\xC3\x98", 0.5}};

ExpressionError unassignable(const std::string& token, int position) {
  return ExpressionError(
      0, "Unexpected token \"" + token + "\" found at position " + std::to_string(position) + ".",
      ExpressionError::kUnassignableToken, position);
}

struct Case {
  std::string expression, token;
  int position;
  std::string message;
};

void expectMessages(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(explainExpressionError(unassignable(c.token, c.position), c.expression, kConstants),
              c.message)
        << c.expression;
  }
}

TEST(explainExpressionError, SuggestsANameThatDiffersInCaseOrByOneLetter) {
  const std::string unknown = " is not a parameter of this design (nor t, pi or a function)";
  expectMessages({
      {"radius * t", "radius", 0, "\"radius\"" + unknown + "; did you mean \"Radius\"?"},
      {"PI * t", "PI", 0, "\"PI\"" + unknown + "; did you mean \"pi\"?"},
      {"Sin(t)", "Sin", 0, "\"Sin\"" + unknown + "; did you mean \"sin\"?"},
      {"pitvh * t", "pitvh", 0, "\"pitvh\"" + unknown + "; did you mean \"pitch\"?"},  // changed
      {"ptich * t", "ptich", 0, "\"ptich\"" + unknown + "; did you mean \"pitch\"?"},  // swapped
      {"pich * t", "pich", 0, "\"pich\"" + unknown + "; did you mean \"pitch\"?"},     // left out
      {"son(t)", "son", 0, "\"son\"" + unknown + "; did you mean \"sin\"?"},
      {"pj * t", "pj", 0, "\"pj\"" + unknown + "; did you mean \"pi\"?"},  // two letters
      {"2 * r", "r", 4, "\"r\"" + unknown},          // one letter: too short to guess a typo
      {"tt", "tt", 0, "\"tt\"" + unknown},           // t is one letter
      {"width", "width", 0, "\"width\"" + unknown},  // nothing near
      // a typo is one character, however many bytes: "ä" for "a", but "Ä" is no typo of "Ø"
      {"l\xC3\xA4nge", "l\xC3\xA4nge", 0,
       "\"l\xC3\xA4nge\"" + unknown + "; did you mean \"lange\"?"},
      {"\xC3\x84", "\xC3\x84", 0, "\"\xC3\x84\"" + unknown},
  });
}

// "sin t" and "cos 2*pi*t)" as muparser reports them: the function is the token.
TEST(explainExpressionError, AsksForTheParenthesesOfAFunction) {
  const std::string without = " is a function without parentheses: write ";
  expectMessages({
      {"sin t", "sin", 0, "\"sin\"" + without + "sin(t)"},
      {"cos 2*pi*t)", "cos", 0, "\"cos\"" + without + "cos(2*pi*t)"},
      {"sin t + 1", "sin", 0, "\"sin\"" + without + "sin(t)"},
      {"1 + sqrt 2*-t, 3", "sqrt", 4, "\"sqrt\"" + without + "sqrt(2*-t)"},
      {"t + sin", "sin", 4, "\"sin\"" + without + "sin(t)"},
  });
}

// Positions count characters, which muparser's byte positions do not.
TEST(explainExpressionError, NamesCharactersPastedFromDocuments) {
  const std::string instead = " instead";
  expectMessages({
      {"2 \xE2\x88\x92 t", "\xE2\x88\x92", 2,
       "\"\xE2\x88\x92\" at position 2 is a Unicode minus sign (U+2212); write -" + instead},
      {"sin(30\xC2\xB0)", "\xC2\xB0", 6,
       "\"\xC2\xB0\" at position 6 is a degree sign; write * pi / 180" + instead},
      {"\xCF\x80 * 2\xC3\x97t", "\xC3\x97t", 6,
       "\"\xC3\x97\" at position 5 is a multiplication sign (U+00D7); write *" + instead},
      {"2 *\xC2\xA0t", "\xC2\xA0t", 3,
       "position 3 holds a no-break space (U+00A0), which looks like a space; write an ordinary "
       "space" +
           instead},
      {"t\xE2\x80\x8B", "\xE2\x80\x8B", 1,
       "position 1 holds a zero width space (U+200B), which cannot be seen; write nothing" +
           instead},
  });
}

// muparser's own words for these name no place ("Missing parenthesis"), a place beyond the text
// ("sin(" at position 5) or a character the text lacks ("; " for ";"): each is worded with what is
// wrong, where (in characters from 0) and what to do.
TEST(explainExpressionError, SaysWhereAndWhatToDoForMisplacedCharacters) {
  const auto error = [](int code, int position) {
    return ExpressionError(0, "muparser's words", code, position);
  };
  const std::pair<ExpressionError, std::pair<std::string, std::string>> cases[] = {
      {unassignable("; ", 1), {"t;", "\";\" at position 1 has no meaning in a formula; remove it"}},
      {unassignable("\x7F", 1),
       {"t\x7F", "position 1 holds a control character, which cannot be seen; remove it"}},
      {error(ExpressionError::kUnexpectedEnd, 5),
       {"sin(",
        "the formula ends too early, after \"sin(\", where a value must follow; complete it"}},
      {error(ExpressionError::kUnexpectedEnd, 40),
       {"t * t * t * t * t * t + ",
        "the formula ends too early, after \"...t * t * t +\", where a value must follow; "
        "complete it"}},
      {error(ExpressionError::kMissingParenthesis, 6),
       {"exp(t", "the \"(\" at position 3 is never closed; add \")\" where its part ends"}},
      {error(ExpressionError::kMissingParenthesis, 8),
       {"2*(t+(1",
        "2 parentheses are never closed, the first at position 2; add a \")\" where "
        "each part ends"}},
      {error(ExpressionError::kUnexpectedParenthesis, 3),
       {"t+1)", "the \")\" at position 3 closes no \"(\"; remove it or open its part with \"(\""}},
  };
  for (const auto& [e, expressionAndText] : cases) {
    EXPECT_EQ(explainExpressionError(e, expressionAndText.first, kConstants),
              expressionAndText.second);
  }
  EXPECT_NE(explainExpressionError(error(ExpressionError::kExpressionTooLong, 0), "t", kConstants)
                .find("characters the parser takes; shorten it"),
            std::string::npos);
}

// Complaints that already say what is wrong keep muparser's words, as does a parenthesis
// complaint whose parentheses do balance.
TEST(explainExpressionError, KeepsMuparsersOtherMessages) {
  EXPECT_EQ(explainExpressionError(ExpressionError(0, "The expression gives 2 values."), "1,5",
                                   kConstants),
            "The expression gives 2 values.");
  EXPECT_EQ(explainExpressionError(ExpressionError(0, "Unexpected parenthesis \"(\" at position 1",
                                                   ExpressionError::kUnexpectedParenthesis, 1),
                                   "2(t)", kConstants),
            "Unexpected parenthesis \"(\" at position 1");
}

}  // namespace

// Puts muparser's complaint about a formula into words a designer can act on. muparser says
// "Unexpected token" alike for a misspelt parameter, a function written without parentheses and a
// character pasted from a document; the sampler shows this text after the coordinate's label.
#pragma once

#include <string>

#include "curve/formula/ExpressionError.h"
#include "curve/formula/ParameterTable.h"

namespace vintrel::curve {

/// The text to show for `error`, which muparser raised on `expression` (its 8-bit UTF-8 text),
/// whose constants were `constants` and whose variable is t. For a token muparser could not place
/// (ExpressionError::kUnassignableToken):
///  - holding a character that only looks like an operator, pi or a space (a Unicode minus sign
///    or dash, "π", "°", "×", "·", a no-break or other Unicode space): which character, at which
///    position (in characters from 0) and what to write instead, e.g.
///    "\"−\" at position 2 is a Unicode minus sign (U+2212); write - instead" or
///    "position 1 holds a no-break space (U+00A0), which looks like a space; write an ordinary
///    space instead" ("..., which cannot be seen; write nothing instead" for a zero width one);
///  - being one of muparser's functions: "\"sin\" is a function without parentheses: write sin(t)",
///    the argument being what follows the function up to a binary + or -, a comparison, a
///    conditional, a comma or the parenthesis closing around it ("sin 2*pi*t" gives
///    sin(2*pi*t), "sin t + 1" sin(t)), or t when nothing follows;
///  - being another name: "\"r\" is not a parameter of this design (nor t, pi or a function)",
///    followed by "; did you mean \"R\"?" when a constant, t or a function differs from it only in
///    the case of its letters or, for names of two characters or more, by one letter (one left
///    out, added, changed or two swapped).
/// Misplaced characters are worded likewise, positions in characters from 0:
///  - a token that is no name: "\";\" at position 1 has no meaning in a formula; remove it"
///    ("position 1 holds a control character, which cannot be seen; remove it" for one);
///  - a formula that ends where a value must follow: "the formula ends too early, after \"sin(\",
///    where a value must follow; complete it" (its last characters, "..." before them when cut);
///  - a "(" never closed: "the \"(\" at position 3 is never closed; add \")\" where its part ends"
///    ("<n> parentheses are never closed, the first at position <p>; ..." for several);
///  - a ")" that closes nothing: "the \")\" at position 3 closes no \"(\"; remove it or open its
///    part with \"(\"";
///  - a formula too long for muparser: the limit, and to shorten it.
/// Any other complaint is what() of `error` unchanged.
std::string explainExpressionError(const ExpressionError& error, const std::string& expression,
                                   const ParameterTable& constants);

}  // namespace vintrel::curve

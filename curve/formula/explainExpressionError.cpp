#include "curve/formula/explainExpressionError.h"

#include <muParserDef.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "curve/formula/FunctionNames.h"
#include "curve/formula/NameCharacter.h"

namespace vintrel::curve {

namespace {

// Characters that documents and word processors put where a formula wants an ASCII one.
enum class Looks { Visible, LikeASpace, LikeNothing };

struct LookAlike {
  const char* utf8;
  const char* what;
  const char* write;
  Looks looks;
};

constexpr std::array<LookAlike, 28> kLookAlikes = {{
    {"\xE2\x88\x92", "a Unicode minus sign (U+2212)", "-", Looks::Visible},
    {"\xE2\x80\x90", "a hyphen (U+2010)", "-", Looks::Visible},
    {"\xE2\x80\x91", "a non-breaking hyphen (U+2011)", "-", Looks::Visible},
    {"\xE2\x80\x92", "a figure dash (U+2012)", "-", Looks::Visible},
    {"\xE2\x80\x93", "an en dash (U+2013)", "-", Looks::Visible},
    {"\xE2\x80\x94", "an em dash (U+2014)", "-", Looks::Visible},
    {"\xE2\x80\x95", "a horizontal bar (U+2015)", "-", Looks::Visible},
    {"\xEF\xB9\xA3", "a small hyphen-minus (U+FE63)", "-", Looks::Visible},
    {"\xEF\xBC\x8D", "a fullwidth hyphen-minus (U+FF0D)", "-", Looks::Visible},
    {"\xCF\x80", "the Greek letter pi", "pi", Looks::Visible},
    {"\xC2\xB0", "a degree sign", "* pi / 180", Looks::Visible},
    {"\xC3\x97", "a multiplication sign (U+00D7)", "*", Looks::Visible},
    {"\xC2\xB7", "a middle dot (U+00B7)", "*", Looks::Visible},
    {"\xE2\x8B\x85", "a dot operator (U+22C5)", "*", Looks::Visible},
    {"\xE2\x88\x99", "a bullet operator (U+2219)", "*", Looks::Visible},
    {"\xE2\x88\x97", "an asterisk operator (U+2217)", "*", Looks::Visible},
    {"\xC2\xA0", "a no-break space (U+00A0)", "an ordinary space", Looks::LikeASpace},
    {"\xE2\x80\xAF", "a narrow no-break space (U+202F)", "an ordinary space", Looks::LikeASpace},
    {"\xE2\x80\x82", "an en space (U+2002)", "an ordinary space", Looks::LikeASpace},
    {"\xE2\x80\x83", "an em space (U+2003)", "an ordinary space", Looks::LikeASpace},
    {"\xE2\x80\x87", "a figure space (U+2007)", "an ordinary space", Looks::LikeASpace},
    {"\xE2\x80\x89", "a thin space (U+2009)", "an ordinary space", Looks::LikeASpace},
    {"\xE2\x80\x8A", "a hair space (U+200A)", "an ordinary space", Looks::LikeASpace},
    {"\xE2\x80\x8B", "a zero width space (U+200B)", "nothing", Looks::LikeNothing},
    {"\xE2\x81\xA0", "a word joiner (U+2060)", "nothing", Looks::LikeNothing},
    {"\xEF\xBB\xBF", "a zero width no-break space (U+FEFF)", "nothing", Looks::LikeNothing},
    {"\xE3\x80\x80", "an ideographic space (U+3000)", "an ordinary space", Looks::LikeASpace},
    {"\xE2\x81\x9F", "a medium mathematical space (U+205F)", "an ordinary space",
     Looks::LikeASpace},
}};

constexpr char kVariable[] = "t";

// Characters (UTF-8 sequences) in `text` before byte `offset`.
std::size_t characterIndex(const std::string& text, std::size_t offset) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset),
                    [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

// The first look-alike in the name at muparser's position.
std::string explainLookAlike(const std::string& name, std::size_t nameOffset,
                             const std::string& expression) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    for (const LookAlike& lookAlike : kLookAlikes) {
      const std::string sequence = lookAlike.utf8;
      if (name.compare(i, sequence.size(), sequence) != 0) continue;
      const std::string position = std::to_string(characterIndex(expression, nameOffset + i));
      const std::string instead = std::string("; write ") + lookAlike.write + " instead";
      switch (lookAlike.looks) {
        case Looks::Visible:
          return '"' + sequence + "\" at position " + position + " is " + lookAlike.what + instead;
        case Looks::LikeASpace:
          return "position " + position + " holds " + lookAlike.what +
                 ", which looks like a space" + instead;
        case Looks::LikeNothing:
          break;
      }
      return "position " + position + " holds " + lookAlike.what + ", which cannot be seen" +
             instead;
    }
  }
  return std::string();
}

std::string lowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The characters of a UTF-8 text, each as its bytes, so that a typo is one character, not one
// byte of one.
std::vector<std::string> charactersOf(const std::string& text) {
  std::vector<std::string> characters;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80 || characters.empty()) characters.emplace_back();
    characters.back().push_back(static_cast<char>(c));
  }
  return characters;
}

// True when one insertion, deletion, substitution or swap of neighbouring characters turns a into
// b (optimal string alignment distance 1).
bool oneEditApart(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  if (a == b) return false;
  const std::size_t m = a.size();
  const std::size_t n = b.size();
  if ((m > n ? m - n : n - m) > 1) return false;
  std::size_t prefix = 0;
  while (prefix < std::min(m, n) && a[prefix] == b[prefix]) ++prefix;
  const auto sameFrom = [&](std::size_t i, std::size_t j) {
    return std::equal(a.begin() + static_cast<std::ptrdiff_t>(std::min(i, m)), a.end(),
                      b.begin() + static_cast<std::ptrdiff_t>(std::min(j, n)), b.end());
  };
  if (m == n) {
    return sameFrom(prefix + 1, prefix + 1) ||
           (prefix + 1 < m && a[prefix] == b[prefix + 1] && a[prefix + 1] == b[prefix] &&
            sameFrom(prefix + 2, prefix + 2));
  }
  return m > n ? sameFrom(prefix + 1, prefix) : sameFrom(prefix, prefix + 1);
}

// The name the user most likely meant: one that differs only in case first, then one a single
// typo away; constants before t before functions, each in its order.
std::string likelyMeant(const std::string& name, const ParameterTable& constants) {
  std::vector<std::string> candidates;
  for (const auto& [constant, value] : constants) candidates.push_back(constant);
  candidates.push_back(kVariable);
  candidates.insert(candidates.end(), kFunctionNames.begin(), kFunctionNames.end());
  const std::string lower = lowerCase(name);
  for (const std::string& candidate : candidates) {
    if (candidate != name && lowerCase(candidate) == lower) return candidate;
  }
  const std::vector<std::string> typed = charactersOf(lower);
  if (typed.size() < 2) return std::string();
  for (const std::string& candidate : candidates) {
    const std::vector<std::string> known = charactersOf(lowerCase(candidate));
    if (known.size() >= 2 && oneEditApart(typed, known)) return candidate;
  }
  return std::string();
}

// A sign right after an operator ("2*-t") belongs to the argument; a binary + or -, a comparison,
// a conditional or a comma ends it.
bool endsTheArgument(const std::string& expression, std::size_t begin, std::size_t at) {
  const char c = expression[at];
  if (c == '+' || c == '-') {
    const std::size_t before = expression.find_last_not_of(' ', at - 1);
    if (before == std::string::npos || before < begin) return false;
    const unsigned char previous = static_cast<unsigned char>(expression[before]);
    return isNameCharacter(previous) || previous == '.' || previous == ')';
  }
  return std::string(",?:<>=!&|").find(c) != std::string::npos;
}

// What the user most likely meant as the function's argument: what follows it up to the first
// operator that binds less than a product (+, -, a comparison, ?, :, a comma) or the parenthesis
// that closes around it, so that "sin 2*pi*t" reads sin(2*pi*t) and "sin t + 1" sin(t) + 1.
std::string followingArgument(const std::string& expression, std::size_t first) {
  const std::size_t begin = expression.find_first_not_of(' ', first);
  if (begin == std::string::npos) return kVariable;
  int depth = 0;
  std::size_t end = begin;
  for (; end < expression.size(); ++end) {
    const char c = expression[end];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth == 0) break;
      --depth;
    } else if (depth == 0 && end > begin && endsTheArgument(expression, begin, end)) {
      break;
    }
  }
  const std::size_t last = expression.find_last_not_of(' ', end - 1);
  const std::string argument = last == std::string::npos || last < begin || end == begin
                                   ? std::string()
                                   : expression.substr(begin, last + 1 - begin);
  return argument.empty() ? kVariable : argument;
}

// The UTF-8 character that starts at byte `offset`, whole.
std::string characterAt(const std::string& text, std::size_t offset) {
  std::size_t end = offset + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return text.substr(offset, end - offset);
}

std::string positionText(const std::string& expression, std::size_t offset) {
  return "position " +
         std::to_string(characterIndex(expression, std::min(offset, expression.size())));
}

bool isControlCharacter(unsigned char c) { return c < 0x20 || c == 0x7F; }

// A character that is no name, number, operator or parenthesis (";", "$", a control character).
std::string explainStrayCharacter(const std::string& expression, std::size_t offset) {
  const std::string character = characterAt(expression, offset);
  if (isControlCharacter(static_cast<unsigned char>(character[0]))) {
    return positionText(expression, offset) +
           " holds a control character, which cannot be seen; remove it";
  }
  return '"' + character + "\" at " + positionText(expression, offset) +
         " has no meaning in a formula; remove it";
}

// The last few characters of the formula, to show where it ends.
std::string endOf(const std::string& expression) {
  constexpr std::size_t kShownCharacters = 12;
  const std::size_t last = expression.find_last_not_of(' ');
  const std::string trimmed = last == std::string::npos ? "" : expression.substr(0, last + 1);
  const std::vector<std::string> characters = charactersOf(trimmed);
  if (characters.size() <= kShownCharacters) return trimmed;
  std::string tail;
  for (std::size_t i = characters.size() - kShownCharacters; i < characters.size(); ++i) {
    tail += characters[i];
  }
  return "..." + tail.substr(tail.find_first_not_of(' '));
}

// The offsets of the "(" that no ")" closes, in the order they open.
std::vector<std::size_t> unclosedParentheses(const std::string& expression) {
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < expression.size(); ++i) {
    if (expression[i] == '(') open.push_back(i);
    if (expression[i] == ')' && !open.empty()) open.pop_back();
  }
  return open;
}

// The offset of the first ")" that closes no "(", or npos.
std::size_t firstUnopenedParenthesis(const std::string& expression) {
  int depth = 0;
  for (std::size_t i = 0; i < expression.size(); ++i) {
    if (expression[i] == '(') ++depth;
    if (expression[i] == ')' && --depth < 0) return i;
  }
  return std::string::npos;
}

std::string explainMissingParenthesis(const std::string& expression, const std::string& muparsers) {
  const std::vector<std::size_t> open = unclosedParentheses(expression);
  if (open.empty()) return muparsers;
  const std::string where = positionText(expression, open.front());
  if (open.size() == 1) {
    return "the \"(\" at " + where + " is never closed; add \")\" where its part ends";
  }
  return std::to_string(open.size()) + " parentheses are never closed, the first at " + where +
         "; add a \")\" where each part ends";
}

std::string explainUnexpectedParenthesis(const std::string& expression,
                                         const std::string& muparsers) {
  const std::size_t stray = firstUnopenedParenthesis(expression);
  if (stray == std::string::npos) return muparsers;
  return "the \")\" at " + positionText(expression, stray) +
         " closes no \"(\"; remove it or open its part with \"(\"";
}

}  // namespace

std::string explainExpressionError(const ExpressionError& error, const std::string& expression,
                                   const ParameterTable& constants) {
  switch (error.code()) {
    case ExpressionError::kUnassignableToken:
      break;
    case ExpressionError::kUnexpectedEnd:
      return "the formula ends too early, after \"" + endOf(expression) +
             "\", where a value must follow; complete it";
    case ExpressionError::kMissingParenthesis:
      return explainMissingParenthesis(expression, error.what());
    case ExpressionError::kUnexpectedParenthesis:
      return explainUnexpectedParenthesis(expression, error.what());
    case ExpressionError::kExpressionTooLong:
      return "the formula is longer than the " + std::to_string(mu::MaxLenExpression) +
             " characters the parser takes; shorten it, for instance with design parameters";
    default:
      return error.what();
  }
  const int position = error.position();
  if (position < 0 || static_cast<std::size_t>(position) >= expression.size()) return error.what();
  const std::size_t offset = static_cast<std::size_t>(position);
  const std::string name = nameAt(expression, position);
  if (name.empty()) return explainStrayCharacter(expression, offset);
  const std::string lookAlike = explainLookAlike(name, offset, expression);
  if (!lookAlike.empty()) return lookAlike;
  if (isFunctionName(name)) {
    return '"' + name + "\" is a function without parentheses: write " + name + '(' +
           followingArgument(expression, offset + name.size()) + ')';
  }
  std::string text = '"' + name + "\" is not a parameter of this design (nor t, pi or a function)";
  const std::string meant = likelyMeant(name, constants);
  if (!meant.empty()) text += "; did you mean \"" + meant + "\"?";
  return text;
}

}  // namespace vintrel::curve

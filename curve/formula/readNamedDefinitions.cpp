#include "curve/formula/readNamedDefinitions.h"

#include <muParserDef.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <set>
#include <stdexcept>

#include "curve/formula/FunctionNames.h"
#include "curve/formula/NameCharacter.h"

namespace vintrel::curve {

namespace {

bool isBlank(unsigned char c) { return std::isspace(c) != 0; }

std::string trimmed(const std::string& text) {
  const auto first =
      std::find_if_not(text.begin(), text.end(), [](unsigned char c) { return isBlank(c); });
  const auto last =
      std::find_if_not(text.rbegin(), text.rend(), [](unsigned char c) { return isBlank(c); });
  return first < last.base() ? std::string(first, last.base()) : std::string();
}

// Why `name` cannot be a definition's, or nothing. muparser would refuse a variable it cannot
// tell from a number or longer than it takes; the curve's t and the constants it always has would
// clash with the definition; and a function's name would shadow the function in every formula.
std::string refusalOfName(const std::string& name) {
  const std::string quoted = '"' + name + '"';
  const bool allNameCharacters =
      std::all_of(name.begin(), name.end(), [](unsigned char c) { return isNameCharacter(c); });
  if (!allNameCharacters || (name[0] >= '0' && name[0] <= '9')) {
    return quoted + " is not a name: use letters, digits and _, and begin with a letter or _";
  }
  if (name.size() > static_cast<std::size_t>(mu::MaxLenIdentifier)) {
    return quoted + " is longer than the " + std::to_string(mu::MaxLenIdentifier) +
           " bytes a name may have; shorten it";
  }
  if (name == "t") return quoted + " is the curve's variable; choose another name";
  if (name == "pi") return quoted + " is the constant pi; choose another name";
  if (name == "_pi") return quoted + " is the parser's constant pi; choose another name";
  if (name == "_e") return quoted + " is the parser's constant e; choose another name";
  if (isFunctionName(name)) return quoted + " is a function's name; choose another name";
  return std::string();
}

// Reads one non-blank item into `definition`, or says why it is none; `names` holds the names
// defined before it.
std::string readItem(const std::string& item, const std::set<std::string>& names,
                     NamedDefinition& definition) {
  const std::size_t equals = item.find('=');
  if (equals == std::string::npos) {
    return '"' + item + "\" has no \"=\"; write name = expression";
  }
  definition.name = trimmed(item.substr(0, equals));
  if (definition.name.empty()) {
    return '"' + item + "\" has no name before \"=\"; write name = expression";
  }
  const std::string refusal = refusalOfName(definition.name);
  if (!refusal.empty()) return refusal;
  if (names.count(definition.name) != 0) return '"' + definition.name + "\" is defined twice";
  definition.expression = trimmed(item.substr(equals + 1));
  if (definition.expression.empty()) return '"' + definition.name + " = \" has no expression";
  return std::string();
}

}  // namespace

// Items end at ";" or at a line break; a line break also moves to the next line, a "\r\n" being
// one break.
std::vector<NamedDefinition> readNamedDefinitions(const std::string& text) {
  std::vector<NamedDefinition> definitions;
  std::set<std::string> names;
  int line = 1;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n;", begin), text.size());
    const std::string item = trimmed(text.substr(begin, end - begin));
    if (!item.empty()) {
      NamedDefinition definition;
      definition.line = line;
      const std::string refusal = readItem(item, names, definition);
      if (!refusal.empty()) throw std::runtime_error(definitionsLineLabel(line) + ": " + refusal);
      names.insert(definition.name);
      definitions.push_back(std::move(definition));
    }
    begin = end + 1;
    if (end < text.size() && text[end] != ';') {
      ++line;
      if (text[end] == '\r' && begin < text.size() && text[begin] == '\n') ++begin;
    }
  }
  return definitions;
}

}  // namespace vintrel::curve

// Reads the definitions the designer types into the dialog (CurveRequest::definitions) as a list
// of names and expressions, refusing, with the line and in the designer's words, any item that
// is not a definition the formulas could use.
#pragma once

#include <string>
#include <vector>

#include "curve/formula/NamedDefinition.h"

namespace vintrel::curve {

/// The definitions of `text`, in order. The text's lines (ended by "\n", "\r\n" or "\r") hold
/// items separated by ";"; an item of blanks only is skipped, any other is `name = expression`,
/// split at its first "=" and trimmed of blanks (ASCII white space). Throws std::runtime_error
/// "Definitions, line <n>: <reason>" for the first item that is not a definition, <n> being its
/// line and <reason>, checked in this order (the item and name quoted as typed, trimmed):
///  - "\"<item>\" has no \"=\"; write name = expression";
///  - "\"<item>\" has no name before \"=\"; write name = expression";
///  - "\"<name>\" is not a name: use letters, digits and _, and begin with a letter or _" when a
///    character of it is none of isNameCharacter's or it starts with a digit;
///  - "\"<name>\" is longer than the 100 bytes a name may have; shorten it";
///  - "\"t\" is the curve's variable; choose another name", "\"pi\" is the constant pi; choose
///    another name", "\"_pi\" is the parser's constant pi; choose another name" (likewise "_e",
///    its constant e) and "\"<name>\" is a function's name; choose another name" for one of
///    kFunctionNames;
///  - "\"<name>\" is defined twice";
///  - "\"<name> = \" has no expression" when only blanks follow the "=".
/// The reasons may hold the text's control characters: the caller puts them on one line.
std::vector<NamedDefinition> readNamedDefinitions(const std::string& text);

}  // namespace vintrel::curve

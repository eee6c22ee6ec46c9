// Which bytes make up a name in a formula: the parser's own name characters (ASCII letters and
// digits, by value whatever the process's locale says) and '_', plus every byte of a multi-byte
// UTF-8 sequence, so that a design parameter named "länge" or "Ø" is one name. The parser is told
// these characters, and every reader of names in a formula (error messages, the stored
// definition's list of parameters) uses the same rule.
#pragma once

#include <string>

namespace vintrel::curve {

/// Whether `c` may stand in a name.
constexpr bool isNameCharacter(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c >= 0x80;
}

/// Every byte for which isNameCharacter holds, in increasing order, as the parser takes them.
inline const std::string& nameCharacters() {
  static const std::string characters = [] {
    std::string all;
    for (int byte = 1; byte <= 0xFF; ++byte) {
      if (isNameCharacter(static_cast<unsigned char>(byte))) all.push_back(static_cast<char>(byte));
    }
    return all;
  }();
  return characters;
}

/// The name that starts at byte `position` of `text`: the run of name characters there, empty
/// when none stands there or `position` lies outside the text (muparser's -1, say).
inline std::string nameAt(const std::string& text, int position) {
  if (position < 0 || static_cast<std::size_t>(position) >= text.size()) return std::string();
  const std::size_t begin = static_cast<std::size_t>(position);
  std::size_t end = begin;
  while (end < text.size() && isNameCharacter(static_cast<unsigned char>(text[end]))) ++end;
  return text.substr(begin, end - begin);
}

}  // namespace vintrel::curve

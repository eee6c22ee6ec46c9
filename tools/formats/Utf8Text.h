// Makes arbitrary bytes valid UTF-8, so that what a user typed (or a message the add-in wrote) can
// go into JSON and SVG, which must be UTF-8. Used by the JSON writer and the SVG picture.
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

/// `text` with every byte that does not start a valid UTF-8 sequence replaced by U+FFFD. Overlong
/// forms, surrogates and code points above U+10FFFF are invalid. Valid text comes back unchanged.
std::string validUtf8(std::string_view text);

}  // namespace sorvane

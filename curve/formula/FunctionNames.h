// The names of muparser's own functions. A formula calls them, the error messages recognise them
// (a function written without parentheses, a misspelt one) and a definition may not take one as
// its name.
#pragma once

#include <algorithm>
#include <array>
#include <string>

namespace vintrel::curve {

/// muparser 2.3's functions, the only ones the formulas know.
constexpr std::array<const char*, 26> kFunctionNames = {
    "sin",   "cos",   "tan",   "asin", "acos",  "atan", "sinh", "cosh", "tanh",
    "asinh", "acosh", "atanh", "log2", "log10", "log",  "ln",   "exp",  "sqrt",
    "sign",  "rint",  "abs",   "sum",  "avg",   "min",  "max",  "atan2"};

/// Whether `name` is one of kFunctionNames.
inline bool isFunctionName(const std::string& name) {
  return std::any_of(kFunctionNames.begin(), kFunctionNames.end(),
                     [&](const char* function) { return name == function; });
}

}  // namespace vintrel::curve

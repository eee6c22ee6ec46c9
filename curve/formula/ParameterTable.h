// The named constants that every curve expression may use: "pi" and the active design's
// parameters. The add-in builds one from the design before each sampling run; the expression
// evaluator defines every entry as a muparser constant.
#pragma once

#include <map>
#include <string>

namespace vintrel::curve {

/// Name -> value, ascending in byte-wise order of the names (std::less<std::string> compares
/// bytes), which is also the order in which the constants are defined in the parsers.
using ParameterTable = std::map<std::string, double>;

/// The value of the constant "pi" that every table starts with, the double nearest to pi; a design
/// parameter named "pi" replaces it.
constexpr double kBuiltInPi = 3.141592653589793;

}  // namespace vintrel::curve

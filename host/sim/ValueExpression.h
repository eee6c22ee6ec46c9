// How the simulated host evaluates the expression of a value input, as Fusion does what a user
// types there: a number, optionally followed by a unit of the input's unit type, or arithmetic of
// numbers, pi and the design's numeric parameters.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace fsim {

/// Names an expression may use, each with its value.
using ExpressionNames = std::vector<std::pair<std::string, double>>;

/// Evaluates expression for an input of unitType into database units (cm for lengths, radians
/// for angles). An empty unitType takes a unitless value. Recognised units: those of unitNamed
/// (Units.h), lengths and angles. A number (as strtod reads it) with or without a
/// unit after it takes that unit, else unitType's. Any other text is evaluated by muparser (its
/// operators and functions) with pi and `names` (a name "pi" among them replaces pi) and taken in
/// unitType's unit; no unit can be written inside it.
/// False (value unchanged) for anything else: empty text, an unknown name, a syntax error, more
/// than one value, a unit of another kind, an unknown unitType, a value that is not finite.
bool evaluateExpression(const std::string& expression, const std::string& unitType, double& value,
                        const ExpressionNames& names = {});

/// evaluateExpression with the numeric parameters of the current host's design as the names:
/// user parameters, then model parameters (a later one of the same name wins). A parameter with a
/// unit of unitType's kind counts in unitType's unit (a 5 mm parameter is 5 in an "mm" input and
/// 0.5 in a "cm" one), any other by its internal value. unitType "DefaultDistance" is the design's
/// default length unit. Without a host, no names and no default length unit.
bool evaluateInDesign(const std::string& expression, const std::string& unitType, double& value);

/// text without its leading and trailing blanks (spaces and tabs).
std::string trimmed(const std::string& text);

/// The shortest decimal text that reads back as value, e.g. "3" or "0.1".
std::string numberText(double value);

}  // namespace fsim

// How the simulated host evaluates the expression of a value input: a plain number, optionally
// followed by a unit of the input's unit type. Fusion evaluates full expressions with parameters;
// add-ins that only pass numbers cannot tell the difference.
#pragma once

#include <string>

namespace fsim {

/// Evaluates expression for an input of unitType into database units (cm for lengths, radians
/// for angles). An empty unitType takes a unitless number. Recognised units: "mm", "cm", "m",
/// "in", "ft" (lengths) and "deg", "rad" (angles); a number without a unit takes unitType's.
/// False (value unchanged) for anything else: empty text, other characters, a unit of another
/// kind, a number that is not finite.
bool evaluateExpression(const std::string& expression, const std::string& unitType, double& value);

/// The shortest decimal text that reads back as value, e.g. "3" or "0.1".
std::string numberText(double value);

}  // namespace fsim

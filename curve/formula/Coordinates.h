// The coordinate systems a designer may write a curve in: Cartesian (x, y, z), cylindrical
// (radius ρ, angle θ around the z axis from the x axis, height z) and spherical (radius r, angle θ
// around the z axis from the x axis, angle φ from the z axis). Angles are radians, as muparser's
// functions take them. Every formula point is turned into x, y, z at once, so everything after
// the formulas sees the Cartesian curve.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "curve/formula/SamplePoint.h"

namespace vintrel::curve {

/// The system the three formulas are written in.
enum class Coordinates { Cartesian, Cylindrical, Spherical };

/// The three formulas' names, such as "x(t)", "ρ(t)", "φ(t)", in the order the formulas come.
using FormulaLabels = std::array<std::string, 3>;

/// The labels of the system's three formulas: x(t), y(t), z(t); ρ(t), θ(t), z(t); r(t), θ(t),
/// φ(t).
const FormulaLabels& formulaLabels(Coordinates coordinates);

/// The name the system is stored under: "cartesian", "cylindrical" or "spherical".
std::string coordinatesName(Coordinates coordinates);

/// The system stored under `name`; none for another text.
std::optional<Coordinates> coordinatesNamed(const std::string& name);

/// The Cartesian point of the three formula values `a`, `b`, `c` in `coordinates`: (a, b, c)
/// itself for Cartesian; (ρ cos θ, ρ sin θ, z) for cylindrical; (r sin φ cos θ, r sin φ sin θ,
/// r cos φ) for spherical. Finite values give a finite point.
SamplePoint toCartesian(Coordinates coordinates, double a, double b, double c);

}  // namespace vintrel::curve

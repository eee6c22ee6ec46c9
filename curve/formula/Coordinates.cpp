#include "curve/formula/Coordinates.h"

#include <cmath>

namespace vintrel::curve {

namespace {

constexpr char kCartesianName[] = "cartesian";
constexpr char kCylindricalName[] = "cylindrical";
constexpr char kSphericalName[] = "spherical";

}  // namespace

const FormulaLabels& formulaLabels(Coordinates coordinates) {
  static const FormulaLabels cartesian = {"x(t)", "y(t)", "z(t)"};
  static const FormulaLabels cylindrical = {"\xCF\x81(t)", "\xCE\xB8(t)", "z(t)"};
  static const FormulaLabels spherical = {"r(t)", "\xCE\xB8(t)", "\xCF\x86(t)"};
  switch (coordinates) {
    case Coordinates::Cylindrical:
      return cylindrical;
    case Coordinates::Spherical:
      return spherical;
    case Coordinates::Cartesian:
      break;
  }
  return cartesian;
}

std::string coordinatesName(Coordinates coordinates) {
  switch (coordinates) {
    case Coordinates::Cylindrical:
      return kCylindricalName;
    case Coordinates::Spherical:
      return kSphericalName;
    case Coordinates::Cartesian:
      break;
  }
  return kCartesianName;
}

std::optional<Coordinates> coordinatesNamed(const std::string& name) {
  for (Coordinates coordinates :
       {Coordinates::Cartesian, Coordinates::Cylindrical, Coordinates::Spherical}) {
    if (coordinatesName(coordinates) == name) return coordinates;
  }
  return std::nullopt;
}

SamplePoint toCartesian(Coordinates coordinates, double a, double b, double c) {
  switch (coordinates) {
    case Coordinates::Cylindrical:
      return {a * std::cos(b), a * std::sin(b), c};
    case Coordinates::Spherical: {
      const double distanceFromAxis = a * std::sin(c);
      return {distanceFromAxis * std::cos(b), distanceFromAxis * std::sin(b), a * std::cos(c)};
    }
    case Coordinates::Cartesian:
      break;
  }
  return {a, b, c};
}

}  // namespace vintrel::curve

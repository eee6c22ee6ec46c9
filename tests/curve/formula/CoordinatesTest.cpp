// Formulas in cylindrical and spherical coordinates: the Cartesian point of hand-computed cases,
// the formulas' names in messages, and the stored names.
#include "curve/formula/Coordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "curve/formula/CurveFormula.h"

using vintrel::curve::Coordinates;
using vintrel::curve::coordinatesName;
using vintrel::curve::coordinatesNamed;
using vintrel::curve::CurveFormula;
using vintrel::curve::CurveRequest;
using vintrel::curve::formulaLabels;
using vintrel::curve::SamplePoint;
using vintrel::curve::toCartesian;

namespace {

constexpr double kPi = 3.141592653589793;

void expectNear(const SamplePoint& p, double x, double y, double z) {
  EXPECT_NEAR(p.x, x, 1e-15);
  EXPECT_NEAR(p.y, y, 1e-15);
  EXPECT_NEAR(p.z, z, 1e-15);
}

// ρ = 2 at θ = π/2 lies on the y axis; r = 2 at θ = 0, φ = π/2 on the x axis, at φ = 0 on the z
// axis; Cartesian values pass unchanged.
TEST(Coordinates, GivesTheCartesianPoint) {
  expectNear(toCartesian(Coordinates::Cylindrical, 2.0, kPi / 2, 5.0), 0.0, 2.0, 5.0);
  expectNear(toCartesian(Coordinates::Cylindrical, 2.0, kPi, -1.0), -2.0, 0.0, -1.0);
  expectNear(toCartesian(Coordinates::Spherical, 2.0, 0.0, kPi / 2), 2.0, 0.0, 0.0);
  expectNear(toCartesian(Coordinates::Spherical, 2.0, 1.0, 0.0), 0.0, 0.0, 2.0);
  // r = 2, θ = π/4, φ = π/4: x = y = 2 · sin(π/4) · cos(π/4) = 1, z = 2 · cos(π/4) = √2.
  expectNear(toCartesian(Coordinates::Spherical, 2.0, kPi / 4, kPi / 4), 1.0, 1.0, std::sqrt(2.0));
  const SamplePoint same = toCartesian(Coordinates::Cartesian, 0.1, -0.0, 1e300);
  EXPECT_EQ(same.x, 0.1);
  EXPECT_TRUE(std::signbit(same.y));
  EXPECT_EQ(same.z, 1e300);
}

TEST(Coordinates, NamesAndLabelsEachSystem) {
  for (Coordinates c : {Coordinates::Cartesian, Coordinates::Cylindrical, Coordinates::Spherical}) {
    EXPECT_EQ(coordinatesNamed(coordinatesName(c)), c);
  }
  EXPECT_EQ(coordinatesName(Coordinates::Cylindrical), "cylindrical");
  EXPECT_FALSE(coordinatesNamed("Cartesian"));
  EXPECT_EQ(formulaLabels(Coordinates::Cylindrical)[0], "\xCF\x81(t)");
  EXPECT_EQ(formulaLabels(Coordinates::Spherical)[2], "\xCF\x86(t)");
}

std::string errorOf(const CurveRequest& request, double t) {
  try {
    CurveFormula({request}, {{"pi", kPi}}).pointAt(t);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "no error";
}

// The formula's own name, not the Cartesian coordinate, is in the message; a formula value that
// is not finite is refused before the conversion could hide it (sin(inf) is NaN, but 0 · inf too).
TEST(Coordinates, FormulaErrorsNameTheFormulaTyped) {
  CurveRequest request{0.0, 1.0, "1", "2 * pi * t +", "t"};
  request.coordinates = Coordinates::Cylindrical;
  EXPECT_EQ(errorOf(request, 0.0).rfind("\xCE\xB8(t): ", 0), 0u) << errorOf(request, 0.0);
  request = {0.0, 1.0, "1 / t", "0", "0"};
  request.coordinates = Coordinates::Spherical;
  EXPECT_EQ(errorOf(request, 0.0), "r(t) is not a finite number at t = 0");
}

}  // namespace

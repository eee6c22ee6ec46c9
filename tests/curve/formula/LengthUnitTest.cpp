// Lengths in the designer's unit: the listed units, their sizes, and the conversions, which must
// leave centimetres untouched and give the round figures a designer typed.
#include "curve/formula/LengthUnit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "curve/formula/DesignParameters.h"

using vintrel::curve::centimetreUnit;
using vintrel::curve::DesignParameters;
using vintrel::curve::inCentimetres;
using vintrel::curve::inUnit;
using vintrel::curve::LengthUnit;
using vintrel::curve::lengthUnitNamed;
using vintrel::curve::lengthUnits;
using vintrel::curve::ParameterTable;

namespace {

// The units in the order of the host's DistanceUnits, each size by definition (1 in = 2.54 cm,
// 1 ft = 12 in, 1 yd = 3 ft, 1 mi = 1760 yd, 1 mil = 0.001 in, 1 nmi = 1852 m).
TEST(LengthUnit, ListsTheHostsUnitsWithTheirSizes) {
  const std::vector<std::pair<std::string, double>> expected = {
      {"mm", 0.1},      {"cm", 1.0},      {"m", 100.0},        {"in", 2.54},
      {"ft", 30.48},    {"yd", 91.44},    {"\xC2\xB5m", 1e-4}, {"hm", 1e4},
      {"mi", 160934.4}, {"mil", 0.00254}, {"nmi", 185200.0}};
  ASSERT_EQ(lengthUnits().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(lengthUnits()[i].name, expected[i].first);
    EXPECT_EQ(lengthUnits()[i].centimetres, expected[i].second);
    ASSERT_TRUE(lengthUnitNamed(expected[i].first));
  }
  EXPECT_EQ(centimetreUnit().name, "cm");
  for (const char* unknown : {"", "MM", "um", "inch", "\"", "cm "}) {
    EXPECT_FALSE(lengthUnitNamed(unknown)) << unknown;
  }
}

TEST(LengthUnit, ConvertsExactlyWhereTheFiguresAreRound) {
  const LengthUnit mm = *lengthUnitNamed("mm");
  const LengthUnit in = *lengthUnitNamed("in");
  EXPECT_EQ(inUnit(0.5, mm), 5.0);  // a 5 mm parameter, kept as 0.5 cm, reads 5
  EXPECT_EQ(inUnit(2.0, mm), 20.0);
  EXPECT_EQ(inUnit(0.6, mm), 6.0);  // 0.6 / 0.1 would give 5.999999999999999
  EXPECT_EQ(inUnit(0.6, *lengthUnitNamed("m")), 0.006);
  EXPECT_EQ(inUnit(2.54, in), 1.0);
  EXPECT_EQ(inCentimetres(20.0, mm), 2.0);
  EXPECT_EQ(inCentimetres(1.0, in), 2.54);
  // The mil converts by its exact 0.00254 cm: by the rounded 393.7 mil to the cm, 1.27 cm would
  // read 499.99999999999994 and 500 mil 1.2700000000000002.
  const LengthUnit mil = *lengthUnitNamed("mil");
  EXPECT_EQ(inUnit(1.27, mil), 500.0);
  EXPECT_EQ(inCentimetres(500.0, mil), 1.27);
  EXPECT_EQ(inUnit(2.54, mil), 1000.0);
  EXPECT_EQ(inUnit(321868.8, *lengthUnitNamed("mi")), 2.0);
  EXPECT_EQ(inUnit(185200.0, *lengthUnitNamed("nmi")), 1.0);
  EXPECT_EQ(inUnit(3e4, *lengthUnitNamed("hm")), 3.0);
  EXPECT_EQ(inUnit(0.6, *lengthUnitNamed("\xC2\xB5m")), 6000.0);  // 0.6 / 1e-4 = 5999.999999999999
  for (double value : {0.1 + 0.2, -1e-310, 1e300}) {
    EXPECT_EQ(inUnit(value, centimetreUnit()), value);
    EXPECT_EQ(inCentimetres(value, centimetreUnit()), value);
  }
}

// Lengths follow the unit; an angle, a unitless number and pi keep the host's value.
TEST(DesignParameters, ReadsLengthsInTheCurvesUnitAndNothingElse) {
  const DesignParameters design{
      {{"pi", 3.141592653589793}, {"r", 0.5}, {"angle", 0.25}, {"n", 7.0}}, {"r"}};
  const ParameterTable mm = design.inUnit(*lengthUnitNamed("mm"));
  EXPECT_EQ(mm.at("r"), 5.0);
  EXPECT_EQ(mm.at("angle"), 0.25);
  EXPECT_EQ(mm.at("n"), 7.0);
  EXPECT_EQ(mm.at("pi"), 3.141592653589793);
  EXPECT_EQ(design.inUnit(centimetreUnit()), design.values);
}

}  // namespace

// Units in the simulated host: the units manager's conversions and expressions, the design's
// default length unit as the driver and the API set it, and parameters with units.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;
using namespace adsk::fusion;

Ptr<Design> activeDesign() { return Application::get()->activeProduct(); }

std::string lastErrorDescription() {
  std::string description;
  Application::get()->getLastError(&description);
  return description;
}

TEST(UnitsManager, ConvertsWithinAKindOnly) {
  fsim::HostSession session;
  Ptr<UnitsManager> units = activeDesign()->unitsManager();
  ASSERT_TRUE(units);
  struct Case {
    double value;
    const char *from, *to;
    double expected;
  };
  const Case cases[] = {{1, "mm", "cm", 0.1},
                        {1.5, "in", "ft", 0.125},
                        {1, "in", "internalUnits", 2.54},
                        {0.5, "internalUnits", "mm", 5},
                        {2, "yd", "ft", 6},
                        {250, "micron", "mm", 0.25},
                        {1000, "mil", "in", 1},  // 1 mil = 0.001 in
                        {1, "mi", "ft", 5280},
                        {1, "nmi", "m", 1852},
                        {1, "hm", "m", 100},
                        {180, "deg", "internalUnits", M_PI},
                        {7, "", "", 7}};
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(units->convert(c.value, c.from, c.to), c.expected) << c.from << c.to;
  }
  for (const auto& [from, to] : {std::pair{"deg", "cm"}, {"", "cm"}, {"in", "kg"}}) {
    EXPECT_EQ(units->convert(1, from, to), -1) << from << to;
    EXPECT_NE(lastErrorDescription().find("UnitsManager.convert failed: ExpressionError"),
              std::string::npos);
  }
  session.failOperation("UnitsManager.convert", fsim::FaultMode::Once);
  EXPECT_EQ(units->convert(1, "mm", "cm"), -1);
  EXPECT_EQ(lastErrorDescription(), "UnitsManager.convert failed");
}

TEST(UnitsManager, TheDefaultLengthUnitReadsBareNumbers) {
  fsim::HostSession session;
  Ptr<FusionUnitsManager> units = activeDesign()->fusionUnitsManager();
  ASSERT_TRUE(units);
  EXPECT_TRUE(units == activeDesign()->unitsManager());
  EXPECT_TRUE(Ptr<Design>(units->product()) == activeDesign());
  EXPECT_EQ(units->distanceDisplayUnits(), CentimeterDistanceUnits);
  EXPECT_EQ(units->internalUnits(), "cm");
  const std::pair<fsim::LengthUnitChoice, const char*> choices[] = {
      {fsim::LengthUnitChoice::Millimeter, "mm"},   {fsim::LengthUnitChoice::Centimeter, "cm"},
      {fsim::LengthUnitChoice::Meter, "m"},         {fsim::LengthUnitChoice::Inch, "in"},
      {fsim::LengthUnitChoice::Foot, "ft"},         {fsim::LengthUnitChoice::Yard, "yd"},
      {fsim::LengthUnitChoice::Micron, "um"},       {fsim::LengthUnitChoice::Hectometer, "hm"},
      {fsim::LengthUnitChoice::Mile, "mi"},         {fsim::LengthUnitChoice::Mil, "mil"},
      {fsim::LengthUnitChoice::NauticalMile, "nmi"}};
  for (const auto& [choice, text] : choices) {
    session.setDistanceDisplayUnits(choice);
    EXPECT_EQ(units->defaultLengthUnits(), text);
    EXPECT_EQ(units->distanceDisplayUnits(), static_cast<DistanceUnits>(choice)) << text;
    EXPECT_DOUBLE_EQ(units->evaluateExpression("1"), units->convert(1, text, "cm")) << text;
  }
  // The host's setter takes every DistanceUnits value and nothing beyond them.
  ASSERT_TRUE(units->distanceDisplayUnits(NauticalMileDistanceUnits));
  EXPECT_EQ(session.distanceDisplayUnits(), fsim::LengthUnitChoice::NauticalMile);
  EXPECT_FALSE(units->distanceDisplayUnits(static_cast<DistanceUnits>(11)));
  ASSERT_TRUE(units->distanceDisplayUnits(MillimeterDistanceUnits));
  EXPECT_EQ(session.distanceDisplayUnits(), fsim::LengthUnitChoice::Millimeter);
  EXPECT_DOUBLE_EQ(units->evaluateExpression("1"), 0.1);
  EXPECT_DOUBLE_EQ(units->evaluateExpression("2 in"), 5.08);
  EXPECT_DOUBLE_EQ(units->evaluateExpression("90", "deg"), M_PI / 2);
  EXPECT_EQ(units->evaluateExpression("1 +"), -1);
  EXPECT_NE(lastErrorDescription().find("ExpressionError"), std::string::npos);
  EXPECT_FALSE(units->isValidExpression("2 deg", "DefaultDistance"));
  EXPECT_TRUE(units->isValidExpression("2 * pi", "mm"));
  EXPECT_EQ(units->formatInternalValue(0.5), "5 mm");
  EXPECT_EQ(units->formatInternalValue(M_PI, "deg", false), "180");
  EXPECT_EQ(units->standardizeExpression("5"), "5 mm");
  EXPECT_EQ(units->standardizeExpression("5in", "DefaultDistance"), "5 in");
  EXPECT_EQ(units->formatUnits("micron"), "um");
  EXPECT_EQ(units->formatUnits("furlong"), "");
}

TEST(Parameters, KeepInternalValuesAndShowTheirUnit) {
  fsim::HostSession session;
  session.addUserParameter("w", 0.5, "mm");
  session.addUserParameter("turns", 3);
  session.addModelParameter("a", M_PI / 2, "deg");
  EXPECT_THROW(session.addUserParameter("x", 1, "furlong"), std::invalid_argument);
  Ptr<ParameterList> all = activeDesign()->allParameters();
  ASSERT_EQ(all->count(), 3u);
  EXPECT_EQ(all->item(0)->unit(), "mm");
  EXPECT_EQ(all->item(0)->value(), 0.5);
  EXPECT_EQ(all->item(0)->expression(), "5 mm");
  EXPECT_EQ(all->item(1)->unit(), "");
  EXPECT_EQ(all->item(1)->expression(), "3");
  EXPECT_EQ(all->item(2)->expression(), "90 deg");
  const std::vector<fsim::ParameterInfo> listed = session.parametersWithUnits();
  ASSERT_EQ(listed.size(), 3u);
  EXPECT_EQ(listed[2].unit, "deg");
  EXPECT_EQ(listed[0].expression, "5 mm");

  // A length parameter counts in the unit of the expression it is used in.
  Ptr<UnitsManager> units = activeDesign()->unitsManager();
  EXPECT_DOUBLE_EQ(units->evaluateExpression("w * turns", "mm"), 1.5);
  EXPECT_DOUBLE_EQ(units->evaluateExpression("w * turns", "in"), 1.5);
  EXPECT_DOUBLE_EQ(units->evaluateExpression("w * turns", ""), 1.5);  // unitless: its value

  session.changeParameters({{"w", 2.54}});
  EXPECT_EQ(all->item(0)->expression(), "25.4 mm");
  // 0.3 cm is 3 mm, which dividing by a rounded tenth would show as 2.9999999999999996 mm.
  session.changeParameters({{"w", 0.3}});
  EXPECT_EQ(all->item(0)->expression(), "3 mm");
}

}  // namespace

// The stored definition of a formula curve: written and read back exactly, and every damaged
// text refused with a reason instead of a crash or a wrong curve.
#include "curve/definition/CurveDefinition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using vintrel::curve::CurveDefinition;
using vintrel::curve::CurveDefinitionError;
using vintrel::curve::CurveRequest;
using vintrel::curve::kLongestCurveDefinition;
using vintrel::curve::namedParameters;
using vintrel::curve::ParameterTable;
using vintrel::curve::readCurveDefinition;
using vintrel::curve::writeCurveDefinition;

namespace {

CurveDefinition spring() {
  return {{0.0, 5.0, "r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "pitch * t"},
          {{"pitch", 2.0}, {"r", 0.1 + 0.2}}};
}

void expectSame(const CurveDefinition& read, const CurveDefinition& written) {
  EXPECT_EQ(read.request.xExpression, written.request.xExpression);
  EXPECT_EQ(read.request.yExpression, written.request.yExpression);
  EXPECT_EQ(read.request.zExpression, written.request.zExpression);
  EXPECT_EQ(read.request.tStart, written.request.tStart);
  EXPECT_EQ(read.request.tEnd, written.request.tEnd);
  EXPECT_EQ(read.request.unit.name, written.request.unit.name);
  EXPECT_EQ(read.request.unit.centimetres, written.request.unit.centimetres);
  EXPECT_EQ(read.request.tolerance, written.request.tolerance);
  EXPECT_EQ(read.request.coordinates, written.request.coordinates);
  EXPECT_EQ(read.request.definitions, written.request.definitions);
  EXPECT_EQ(read.request.fewestControls, written.request.fewestControls);
  EXPECT_EQ(read.parameters, written.parameters);
}

TEST(CurveDefinition, ReadsBackWhatItWroteBitForBit) {
  std::vector<CurveDefinition> definitions = {spring()};
  // Numbers whose shortest text has all 17 digits, a subnormal, the largest double, and texts
  // that need escapes or are not ASCII.
  definitions.push_back(
      {{-1e-310, std::numeric_limits<double>::max(), "\"quoted\"\\\n", "länge * t", ""},
       {{"länge", 2.0 / 3.0}, {"a_1", -0.0}}});
  // Every unit, whose micro sign must survive the JSON, with a tolerance of 17 digits and other
  // coordinates.
  for (const vintrel::curve::LengthUnit& unit : vintrel::curve::lengthUnits()) {
    CurveDefinition inUnit = spring();
    inUnit.request.unit = unit;
    inUnit.request.tolerance = 0.1 + 0.2;
    inUnit.request.coordinates = vintrel::curve::Coordinates::Spherical;
    inUnit.request.definitions = "k = 2 * r; \"q\" = länge\r\nh = k";  // kept as typed
    inUnit.request.fewestControls = unit.name == "mm";
    definitions.push_back(inUnit);
  }
  for (const CurveDefinition& definition : definitions) {
    expectSame(readCurveDefinition(writeCurveDefinition(definition)), definition);
  }
  EXPECT_TRUE(
      std::signbit(readCurveDefinition(writeCurveDefinition(definitions[1])).parameters.at("a_1")));
}

TEST(CurveDefinition, WritesTheFormatAndNamedMembers) {
  const std::string text = writeCurveDefinition(spring());
  for (const char* member :
       {"\"format\":3", "\"x\":", "\"tStart\":", "\"units\":\"cm\"", "\"tolerance\":0.002",
        "\"coordinates\":\"cartesian\"", "\"definitions\":\"\"", "\"parameters\":{"}) {
    EXPECT_NE(text.find(member), std::string::npos) << member << " in " << text;
  }
}

// The choice of the fewest controls is stored only when made, so that a curve on the specified
// counts stores the very text it would without the choice; a text without it reads as them.
TEST(CurveDefinition, StoresTheFewestControlsOnlyWhenAsked) {
  CurveDefinition fewest = spring();
  fewest.request.fewestControls = true;
  EXPECT_NE(writeCurveDefinition(fewest).find("\"fewestControls\":true"), std::string::npos);
  const std::string ladder = writeCurveDefinition(spring());
  EXPECT_EQ(ladder.find("fewestControls"), std::string::npos) << ladder;
  EXPECT_FALSE(readCurveDefinition(ladder).request.fewestControls);
  EXPECT_FALSE(readCurveDefinition(
                   R"({"format":3,"x":"t","y":"0","z":"0","tStart":0,"tEnd":1,"parameters":{},)"
                   R"("units":"mm","tolerance":1,"coordinates":"cartesian","definitions":"",)"
                   R"("fewestControls":false})")
                   .request.fewestControls);
}

// A format 2 text with `members` (units, tolerance, coordinates) beside the others.
std::string format2(const std::string& members) {
  return R"({"format":2,"x":"t","y":"0","z":"0","tStart":0,"tEnd":1,"parameters":{},)" + members +
         "}";
}

TEST(CurveDefinition, ReadsTheFirstFormatAsCentimetresDefaultToleranceAndCartesian) {
  const CurveDefinition read = readCurveDefinition(
      R"({"format":1,"x":"t","y":"0","z":"0","tStart":0,"tEnd":1,"parameters":{},)"
      R"("units":"mm","tolerance":5,"coordinates":"spherical"})");
  EXPECT_EQ(read.request.unit.name, "cm");
  EXPECT_EQ(read.request.tolerance, 0.002);
  EXPECT_EQ(read.request.coordinates, vintrel::curve::Coordinates::Cartesian);
}

// Format 2 had no definitions: a member of that name is one it does not know.
TEST(CurveDefinition, ReadsTheSecondFormatAsNoDefinitions) {
  EXPECT_EQ(readCurveDefinition(format2(R"("units":"mm","tolerance":1,"coordinates":"cartesian",)"
                                        R"("definitions":"k = 1")"))
                .request.definitions,
            "");
}

TEST(CurveDefinition, RefusesDamagedTextsWithTheirReason) {
  const std::string good =
      R"({"format":1,"x":"t","y":"0","z":"0","tStart":0,"tEnd":1,"parameters":{}})";
  ASSERT_NO_THROW(readCurveDefinition(good));
  // Format 3 without its closing "}", to add a member or none.
  const std::string format3 =
      R"({"format":3,"x":"t","y":"0","z":"0","tStart":0,"tEnd":1,)"
      R"("parameters":{},"units":"mm","tolerance":1,"coordinates":"cartesian")";
  struct Case {
    std::string text, reason;
  };
  const std::vector<Case> cases = {
      {"", "not JSON"},
      {"{\"format\":1,", "not JSON"},
      {"[1, 2]", "not a JSON object"},
      {R"({"x":"t"})", "missing \"format\""},
      {R"({"format":4,"x":"t"})", "format 4 is unknown"},
      {R"({"format":"1"})", "format \"1\" is unknown"},
      {R"({"format":1,"y":"0","z":"0","tStart":0,"tEnd":1,"parameters":{}})", "missing \"x\""},
      {R"({"format":1,"x":5,"y":"0","z":"0","tStart":0,"tEnd":1,"parameters":{}})",
       "\"x\" is not a text"},
      {R"({"format":1,"x":"t","y":"0","z":"0","tStart":"0","tEnd":1,"parameters":{}})",
       "\"tStart\" is not a number"},
      {R"({"format":1,"x":"t","y":"0","z":"0","tStart":0,"tEnd":1e999,"parameters":{}})",
       "not JSON"},  // the reader refuses a number beyond the doubles
      {R"({"format":1,"x":"t","y":"0","z":"0","tStart":0,"tEnd":1,"parameters":[]})",
       "\"parameters\" is not an object"},
      {R"({"format":1,"x":"t","y":"0","z":"0","tStart":0,"tEnd":1,"parameters":{"r":null}})",
       "parameter \"r\" is not a number"},
      {format2(R"("units":"furlong","tolerance":0.002,"coordinates":"cartesian")"),
       "unit \"furlong\" is unknown"},
      {format2(R"("units":"MM","tolerance":0.002,"coordinates":"cartesian")"),
       "unit \"MM\" is unknown"},
      {format2(R"("units":"mm","tolerance":0,"coordinates":"cartesian")"),
       "\"tolerance\" is not positive"},
      {format2(R"("units":"mm","tolerance":0.02,"coordinates":"polar")"),
       "coordinates \"polar\" are unknown"},
      {format2(R"("units":"mm","tolerance":0.02)"), "missing \"coordinates\""},
      {format3 + "}", "missing \"definitions\""},
      {format3 + R"(,"definitions":[]})", "\"definitions\" is not a text"},
      {format3 + R"(,"definitions":"","fewestControls":1})",
       "\"fewestControls\" is not true or false"},
      {format3 + R"(,"definitions":"","fewestControls":"yes"})",
       "\"fewestControls\" is not true or false"},
      {std::string(kLongestCurveDefinition + 1, ' '), "the definition is longer than 2 MB"},
  };
  for (const Case& c : cases) {
    try {
      readCurveDefinition(c.text);
      ADD_FAILURE() << "read: " << c.text.substr(0, 80);
    } catch (const CurveDefinitionError& error) {
      EXPECT_EQ(error.what(), c.reason) << c.text.substr(0, 80);
    }
  }
}

TEST(CurveDefinition, RefusesToWriteWhatCannotBeReadBack) {
  CurveDefinition definition = spring();
  definition.parameters["r"] = std::nan("");
  EXPECT_THROW(writeCurveDefinition(definition), CurveDefinitionError);
  definition = spring();
  definition.request.xExpression.assign(kLongestCurveDefinition, 't');
  EXPECT_THROW(writeCurveDefinition(definition), CurveDefinitionError);
}

TEST(namedParameters, KeepsTheParametersTheExpressionsName) {
  const ParameterTable design = {{"pi", 3.14}, {"r", 5.0}, {"r2", 6.0},    {"pitch", 2.0},
                                 {"t", 9.0},   {"x", 1.0}, {"länge", 4.0}, {"unused", 7.0}};
  const CurveRequest request = {0, 1, "r * cos(2 * pi * t) + r2", "länge*sin(t)", "2e3 + pitch*x"};
  // "2e3" is a number, not the name "e3"; "t" and "pi" are the curve's own.
  const ParameterTable expected = {
      {"r", 5.0}, {"r2", 6.0}, {"länge", 4.0}, {"pitch", 2.0}, {"x", 1.0}};
  EXPECT_EQ(namedParameters(request, design), expected);
  EXPECT_TRUE(namedParameters({0, 1, "radius", "rr", "_r"}, design).empty());
}

// A curve follows the parameters its definitions use (R, w, even where no formula uses the
// definition), and a defined name (k, r) hides the parameter of that name everywhere.
TEST(namedParameters, KeepsTheParametersTheDefinitionsNameAndNotTheDefinedNames) {
  const ParameterTable design = {{"R", 3.0}, {"r", 1.0}, {"k", 5.0}, {"w", 2.0}, {"u", 4.0}};
  CurveRequest request = {0, 1, "k * cos(t)", "r", "0"};
  request.definitions = "r = 2 * w; k = (R + r) / r\nunused = u + k";
  const ParameterTable expected = {{"R", 3.0}, {"u", 4.0}, {"w", 2.0}};
  EXPECT_EQ(namedParameters(request, design), expected);
}

// "1x" begins with a digit, so no definition is read: k defines nothing and hides nothing, and
// every name of the text counts, r on line 1 as much as q on line 2 ("1x" is no name, not x).
TEST(namedParameters, KeepsEveryParameterOfDefinitionsThatCannotBeRead) {
  const ParameterTable design = {{"q", 1.0}, {"r", 2.0}, {"x", 3.0}, {"unused", 4.0}};
  CurveRequest request = {0, 1, "k * t", "0", "0"};
  request.definitions = "k = r\n1x = q";
  EXPECT_EQ(namedParameters(request, design), (ParameterTable{{"q", 1.0}, {"r", 2.0}}));
}

}  // namespace

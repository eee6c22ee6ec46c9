#include "tools/formats/DesignFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <nlohmann/json.hpp>
#include <tuple>

#include "SampleReports.h"

namespace sorvane {
namespace {

using Json = nlohmann::ordered_json;

DesignFile sampleDesign() {
  DesignFile design;
  design.documentUnits = *vintrel::curve::lengthUnitNamed("\xC2\xB5m");
  design.parameters = {{"r", ParameterKind::User, 5, "", "mm"},
                       {"d1", ParameterKind::Model, 0.1 + 0.2, "", "deg"},
                       {"label", ParameterKind::Text, 0, "M8 \"fine\"\n\xCF\x80", ""}};
  Spline tricky = testing::straightSegment();
  tricky.controlPoints[1] = {-0.0, 5e-324, 1e300};
  tricky.knots = {-1.0 / 3, -1.0 / 3, -1.0 / 3, -1.0 / 3, 0.1, 0.1, 0.1, 0.1};
  design.sketches = {
      {"Sketch1",
       "XY",
       {{testing::straightSegment(), {{"Vintrel", "definition", "{\"x\": \"t\"}"}}, true},
        {tricky, {}, false}}},
      {"Sketch2", "Tilted", {}}};
  return design;
}

// The sample design's file with its second sketch left out: the JSON every damage below starts
// from.
Json validFile() {
  DesignFile design = sampleDesign();
  design.sketches.pop_back();
  return Json::parse(writeDesignFile(design));
}

TEST(DesignFile, ReadsBackWhatItWroteEveryNumberToTheSameDouble) {
  const DesignFile design = sampleDesign();
  const std::string text = writeDesignFile(design);
  const DesignFile read = readDesignFile(text);
  ASSERT_EQ(read.parameters.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(read.parameters[i].name, design.parameters[i].name);
    EXPECT_EQ(read.parameters[i].kind, design.parameters[i].kind);
    EXPECT_EQ(read.parameters[i].value, design.parameters[i].value);
    EXPECT_EQ(read.parameters[i].text, design.parameters[i].text);
    EXPECT_EQ(read.parameters[i].unit, design.parameters[i].unit);
  }
  EXPECT_EQ(read.documentUnits.name, "\xC2\xB5m");
  ASSERT_EQ(read.sketches.size(), 2u);
  EXPECT_EQ(read.sketches[1].plane, "Tilted");
  EXPECT_TRUE(read.sketches[1].splines.empty());
  ASSERT_EQ(read.sketches[0].splines.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const Spline& want = design.sketches[0].splines[i].curve;
    const Spline& got = read.sketches[0].splines[i].curve;
    EXPECT_EQ(read.sketches[0].splines[i].linked, i == 0);
    EXPECT_EQ(got.degree, want.degree);
    EXPECT_EQ(got.knots, want.knots);
    ASSERT_EQ(got.controlPoints, want.controlPoints);
    for (std::size_t k = 0; k < want.controlPoints.size(); ++k) {
      EXPECT_EQ(std::signbit(got.controlPoints[k][0]), std::signbit(want.controlPoints[k][0]));
    }
  }
  const std::vector<Attribute>& attributes = read.sketches[0].splines[0].attributes;
  ASSERT_EQ(attributes.size(), 1u);
  EXPECT_EQ(attributes[0].value, "{\"x\": \"t\"}");
  EXPECT_TRUE(read.sketches[0].splines[1].attributes.empty());
  EXPECT_EQ(writeDesignFile(read), text);
}

TEST(DesignFile, WritesTheDocumentedKeys) {
  DesignFile design;
  design.documentUnits = *vintrel::curve::lengthUnitNamed("in");
  design.parameters = {{"r", ParameterKind::User, 2.5, "", ""},
                       {"a", ParameterKind::Model, 0.5, "", "rad"},
                       {"note", ParameterKind::Text, 0, "x", ""}};
  design.sketches = {{"Sketch1", "XZ", {{testing::straightSegment(), {{"G", "n", "v"}}, true}}}};
  design.attributes = {{"Vintrel", "lastInputs", "{}"}};
  EXPECT_EQ(Json::parse(writeDesignFile(design)), Json::parse(R"({
    "sorvaneDesign": 1,
    "unit": "cm",
    "documentUnits": "in",
    "parameters": [
      {"name": "r", "kind": "user", "value": 2.5},
      {"name": "a", "kind": "model", "value": 0.5, "unit": "rad"},
      {"name": "note", "kind": "text", "text": "x"}
    ],
    "sketches": [
      {"name": "Sketch1", "plane": "XZ", "splines": [
        {"degree": 3, "rational": false, "periodic": false,
         "controlPoints": [[0, 0, 0], [0.3333333333333333, 0, 0], [0.6666666666666666, 0, 0],
                           [1, 0, 0]],
         "knots": [0, 0, 0, 0, 1, 1, 1, 1],
         "attributes": [{"group": "G", "name": "n", "value": "v"}],
         "linked": true}
      ]}
    ],
    "attributes": [{"group": "Vintrel", "name": "lastInputs", "value": "{}"}]
  })"));
  EXPECT_EQ(readDesignFile(writeDesignFile(design)).attributes.size(), 1u);
}

// An attribute is known by its group and its name together, as the host keys it: one name in two
// groups is two attributes, on a spline and on the design alike.
TEST(DesignFile, KeepsOneNameInTwoGroups) {
  const Json twins = Json::parse(R"([{"group": "probeA", "name": "same", "value": "a"},
                                     {"group": "probeB", "name": "same", "value": "b"}])");
  Json file = validFile();
  file["sketches"][0]["splines"][0]["attributes"] = twins;
  file["attributes"] = twins;
  const DesignFile read = readDesignFile(file.dump());
  const DesignFile again = readDesignFile(writeDesignFile(read));
  for (const DesignFile* design : {&read, &again}) {
    for (const auto* list : {&design->attributes, &design->sketches[0].splines[0].attributes}) {
      ASSERT_EQ(list->size(), 2u);
      EXPECT_EQ(std::tie((*list)[0].group, (*list)[0].name, (*list)[0].value),
                std::make_tuple("probeA", "same", "a"));
      EXPECT_EQ(std::tie((*list)[1].group, (*list)[1].name, (*list)[1].value),
                std::make_tuple("probeB", "same", "b"));
    }
  }
}

TEST(DesignFile, ReadsAnEmptyDesignAndIgnoresUnknownMembers) {
  const DesignFile empty =
      readDesignFile(R"({"sorvaneDesign": 1, "parameters": [], "sketches": [], "later": 7})");
  EXPECT_TRUE(empty.parameters.empty() && empty.sketches.empty());
  EXPECT_EQ(empty.documentUnits.name, "cm");  // a file without units holds a centimetre design
  Json file = validFile();
  file["sketches"][0]["splines"][0]["colour"] = "red";
  EXPECT_EQ(readDesignFile(file.dump()).sketches[0].splines.size(), 2u);
}

TEST(DesignFile, DamagedTextsAreRefusedWithTheirPlace) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "not JSON: "},
      {"{\"sorvaneDesign\": 1,", "not JSON: "},
      {"\xFF", "not JSON: "},
      // JSON allows 1e400; a double does not hold it, and nlohmann/json refuses to read it.
      {R"({"sorvaneDesign": 1, "parameters": [{"value": 1e400}]})",
       "not JSON: number overflow parsing '1e400'"},
      {"null", "not a sorvane design (no \"sorvaneDesign\" format number)"},
      {"[1, 2]", "not a sorvane design (no \"sorvaneDesign\" format number)"},
      {R"({"inputs": {}, "sketches": []})",
       "not a sorvane design (no \"sorvaneDesign\" format number)"},
      {R"({"sorvaneDesign": 2})", "design format 2 is not known (this sorvane reads 1)"},
      {R"({"sorvaneDesign": "1"})", "design format \"1\" is not known (this sorvane reads 1)"},
      {R"({"sorvaneDesign": 1.0})", "design format 1.0 is not known (this sorvane reads 1)"},
      {R"({"sorvaneDesign": 1, "sketches": []})", "missing \"parameters\""},
      {R"({"sorvaneDesign": 1, "parameters": {}, "sketches": []})",
       "parameters: expected a list, found an object"},
      // Lengths are read as they stand: a file in another unit would be drawn at the wrong size.
      {R"({"sorvaneDesign": 1, "unit": "mm", "parameters": [], "sketches": []})",
       "unit: \"mm\" is not known (lengths are in cm)"},
      {R"({"sorvaneDesign": 1, "unit": 10, "parameters": [], "sketches": []})",
       "unit: expected a text, found a number"},
  };
  for (const auto& [text, message] : cases) {
    try {
      readDesignFile(text);
      ADD_FAILURE() << text;
    } catch (const DesignFileError& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, message.size()), message) << text;
    }
  }
}

TEST(DesignFile, DamagedDesignsAreRefusedWithTheirPlace) {
  // Each damage to the valid file, and the message it gets (counts by hand: the segment has 4
  // control points of degree 3, so 4 + 3 + 1 = 8 knots).
  const std::pair<std::function<void(Json&)>, std::string> cases[] = {
      {[](Json& f) { f["parameters"][0].erase("kind"); }, "parameters[0]: missing \"kind\""},
      {[](Json& f) { f["parameters"][0]["kind"] = "global"; },
       "parameters[0].kind: \"global\" is not user, model or text"},
      {[](Json& f) { f["parameters"][0]["value"] = "5"; },
       "parameters[0].value: expected a number, found a text"},
      {[](Json& f) { f["parameters"][2].erase("text"); }, "parameters[2]: missing \"text\""},
      {[](Json& f) { f["parameters"][1]["name"] = "r"; },
       "parameters[1]: a second parameter \"r\""},
      {[](Json& f) { f["parameters"][0]["name"] = ""; }, "parameters[0].name: empty"},
      {[](Json& f) { f["parameters"][0] = 5; },
       "parameters[0]: expected an object, found a number"},
      {[](Json& f) { f["parameters"][0]["unit"] = "kg"; },
       "parameters[0].unit: \"kg\" is not one of mm, cm, m, in, ft, yd, \xC2\xB5m (or um), hm, mi, "
       "mil, nmi, deg or rad"},
      {[](Json& f) { f["parameters"][1]["unit"] = 1; },
       "parameters[1].unit: expected a text, found a number"},
      {[](Json& f) { f["documentUnits"] = "MM"; },
       "documentUnits: \"MM\" is not one of mm, cm, m, in, ft, yd, \xC2\xB5m (or um), hm, mi, mil "
       "or nmi"},
      {[](Json& f) { f["sketches"][0]["name"] = "Sketch2"; },
       "sketches[0].name: \"Sketch2\" where \"Sketch1\" belongs"},
      {[](Json& f) { f["sketches"][0]["plane"] = "xy"; },
       "sketches[0].plane: \"xy\" is not XY, XZ, YZ or Tilted"},
      {[](Json& f) { f["sketches"][0]["splines"] = nullptr; },
       "sketches[0].splines: expected a list, found null"},
      {[](Json& f) { f["sketches"][0]["splines"][1]["degree"] = 0; },
       "sketches[0].splines[1].degree: expected a whole number from 1"},
      {[](Json& f) { f["sketches"][0]["splines"][1]["degree"] = 2.5; },
       "sketches[0].splines[1].degree: expected a whole number from 1"},
      {[](Json& f) { f["sketches"][0]["splines"][0]["degree"] = 4; },
       "sketches[0].splines[0].controlPoints: 4 points; degree 4 needs at least 5"},
      {[](Json& f) { f["sketches"][0]["splines"][0]["rational"] = 0; },
       "sketches[0].splines[0].rational: expected true or false, found a number"},
      {[](Json& f) {
         f["sketches"][0]["splines"][0]["controlPoints"][2] = {1, 2};
       },
       "sketches[0].splines[0].controlPoints[2]: expected a point [x, y, z], found a list"},
      {[](Json& f) { f["sketches"][0]["splines"][0]["controlPoints"][2][1] = true; },
       "sketches[0].splines[0].controlPoints[2][1]: expected a number, found true or false"},
      {[](Json& f) { f["sketches"][0]["splines"][0]["knots"].erase(0); },
       "sketches[0].splines[0].knots: 7 values; degree 3 with 4 control points needs 8"},
      {[](Json& f) { f["sketches"][0]["splines"][0]["knots"][4] = -1; },
       "sketches[0].splines[0].knots[4]: below the knot before it"},
      {[](Json& f) { f["sketches"][0]["splines"][0]["knots"][5] = nullptr; },
       "sketches[0].splines[0].knots[5]: expected a number, found null"},
      {[](Json& f) { f["sketches"][0]["splines"][0].erase("attributes"); },
       "sketches[0].splines[0]: missing \"attributes\""},
      {[](Json& f) { f["sketches"][0]["splines"][1]["linked"] = "no"; },
       "sketches[0].splines[1].linked: expected true or false, found a text"},
      {[](Json& f) { f["sketches"][0]["splines"][0]["attributes"][0]["value"] = Json::object(); },
       "sketches[0].splines[0].attributes[0].value: expected a text, found an object"},
      {[](Json& f) {
         auto& attributes = f["sketches"][0]["splines"][0]["attributes"];
         attributes.push_back(attributes[0]);
       },
       "sketches[0].splines[0].attributes[1]: a second attribute \"definition\" of group "
       "\"Vintrel\""},
  };
  for (const auto& [damage, message] : cases) {
    Json file = validFile();
    damage(file);
    try {
      readDesignFile(file.dump());
      ADD_FAILURE() << message;
    } catch (const DesignFileError& error) {
      EXPECT_EQ(error.what(), message);
    }
  }
}

TEST(DesignFile, ParametersGivenOverrideOrAreAdded) {
  DesignFile design = sampleDesign();  // r (user) 5 mm, d1 (model) deg, label (text)
  setParameters(design, {{"d1", 2, "mm"}, {"label", 3, ""}, {"pitch", 4, ""}, {"r", -1, ""}});
  const std::tuple<const char*, ParameterKind, double, const char*> expected[] = {
      {"r", ParameterKind::User, -1, ""},
      {"d1", ParameterKind::Model, 0.2, "mm"},
      {"label", ParameterKind::User, 3, ""},  // a number for a text: a user parameter now
      {"pitch", ParameterKind::User, 4, ""},
  };
  ASSERT_EQ(design.parameters.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const auto& [name, kind, value, unit] = expected[i];
    EXPECT_EQ(design.parameters[i].name, name);
    EXPECT_EQ(design.parameters[i].kind, kind) << name;
    EXPECT_EQ(design.parameters[i].value, value) << name;
    EXPECT_EQ(design.parameters[i].unit, unit) << name;
    EXPECT_EQ(design.parameters[i].text, "") << name;
  }
  // The Parameters dialog sets a value alone, in internal units.
  setParameterValues(design, {{"d1", 0.5}});
  EXPECT_EQ(std::tie(design.parameters[1].value, design.parameters[1].unit),
            std::make_tuple(0.5, std::string("mm")));
}

}  // namespace
}  // namespace sorvane

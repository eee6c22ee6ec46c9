#include "tools/formats/SessionJson.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

#include "SampleReports.h"

namespace sorvane {
namespace {

using Json = nlohmann::ordered_json;

std::string sessionText(const SessionReport& report) {
  std::ostringstream out;
  writeSessionJson(report, out);
  return out.str();
}

Json session(const SessionReport& report) { return Json::parse(sessionText(report)); }

TEST(SessionJson, WritesEveryKeyInItsPlace) {
  SessionReport report = testing::segmentSession();
  report.messages = {"first", "second"};
  const std::string text = sessionText(report);
  EXPECT_EQ(text.back(), '\n');
  // Compared as ordered JSON: the keys' order counts, the layout does not.
  EXPECT_EQ(Json::parse(text), Json::parse(R"({
  "unit": "cm",
  "inputs": {"definitions": "", "x": "t", "y": "0", "z": "0", "tStart": 0, "tEnd": 1,
             "units": "cm", "tolerance": 0.002, "fewestControls": false,
             "coordinates": "cartesian"},
  "parameters": {
    "pi": 3.141592653589793,
    "r": 2.5
  },
  "status": "4 spline controls",
  "preview": [
    {
      "groupId": "vtlCustomGraphicsID",
      "curves": [
        {
          "weight": 3,
          "color": [255, 0, 0, 255],
          "selectable": false,
          "degree": 3,
          "controlPoints": [
            [0, 0, 0],
            [0.3333333333333333, 0, 0],
            [0.6666666666666666, 0, 0],
            [1, 0, 0]
          ],
          "knots": [0, 0, 0, 0, 1, 1, 1, 1]
        }
      ]
    }
  ],
  "sketches": [
    {
      "name": "Sketch1",
      "plane": "XY",
      "new": true,
      "transform": [1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1],
      "splines": [
        {
          "degree": 3,
          "rational": false,
          "periodic": false,
          "controlPoints": [
            [0, 0, 0],
            [0.3333333333333333, 0, 0],
            [0.6666666666666666, 0, 0],
            [1, 0, 0]
          ],
          "worldControlPoints": [
            [0, 0, 0],
            [0.3333333333333333, 0, 0],
            [0.6666666666666666, 0, 0],
            [1, 0, 0]
          ],
          "knots": [0, 0, 0, 0, 1, 1, 1, 1]
        }
      ]
    }
  ],
  "messages": [
    "first",
    "second"
  ]
})"));
}

TEST(SessionJson, SplineOfATurnedSketchGivesBothSpacesAndItsAttributes) {
  SessionReport report = testing::segmentSession();
  SketchRecord& sketch = report.sketches[0];
  // The XZ plane: sketch (x, y, z) lies at model (x, z, -y); the segment along sketch x stays.
  sketch.plane = "XZ";
  sketch.transform = {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1};
  sketch.splines[0].controlPoints = {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 3, 0}};
  sketch.worldSplines[0].controlPoints = {{0, 0, 0}, {0, 0, -1}, {0, 0, -2}, {0, 0, -3}};
  sketch.splineAttributes = {{{"Vintrel", "definition", "{\"format\": 1}"}}};
  const Json written = session(report)["sketches"][0];
  EXPECT_EQ(written["transform"], Json::parse("[1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1]"));
  const Json& spline = written["splines"][0];
  EXPECT_EQ(spline["controlPoints"][1], Json::parse("[0, 1, 0]"));
  EXPECT_EQ(spline["worldControlPoints"][1], Json::parse("[0, 0, -1]"));
  EXPECT_EQ(
      spline["attributes"],
      Json::parse(R"([{"group": "Vintrel", "name": "definition", "value": "{\"format\": 1}"}])"));
  // A report that does not know where a spline lies in the model, or its attributes, leaves the
  // keys out.
  sketch.worldSplines.clear();
  sketch.splineAttributes.clear();
  const Json without = session(report)["sketches"][0]["splines"][0];
  EXPECT_FALSE(without.contains("worldControlPoints"));
  EXPECT_FALSE(without.contains("attributes"));
}

TEST(SessionJson, NumbersReadBackToTheSameDoubleAndNonFiniteAreNull) {
  SessionReport report = testing::segmentSession();
  const double exact[] = {0.1 + 0.2,
                          1e-300,
                          5e-324,
                          -0.0,
                          1.0 / 3,
                          123456789.123456789,
                          std::numeric_limits<double>::max(),
                          -2.5e17};
  std::vector<double>& knots = report.sketches[0].splines[0].knots;
  knots.assign(std::begin(exact), std::end(exact));
  knots.push_back(NAN);
  knots.push_back(INFINITY);
  knots.push_back(-INFINITY);
  const Json read = session(report)["sketches"][0]["splines"][0]["knots"];
  ASSERT_EQ(read.size(), knots.size());
  for (std::size_t i = 0; i < std::size(exact); ++i) {
    const double back = read[i].get<double>();
    EXPECT_EQ(back, exact[i]) << i;
    EXPECT_EQ(std::signbit(back), std::signbit(exact[i])) << i;
  }
  for (std::size_t i = std::size(exact); i < knots.size(); ++i) EXPECT_TRUE(read[i].is_null()) << i;
}

TEST(SessionJson, TextsAreEscapedAndMadeValidUtf8) {
  SessionReport report = testing::errorSession();
  // A quote, a backslash, control characters, a NUL, pi in UTF-8 and a byte that is no UTF-8.
  report.inputs.x = std::string("\"a\\b\"\n\t\x01 \xCF\x80 \xFF\0", 14);
  report.messages = {"line\nbreak"};
  const std::string text = sessionText(report);
  const Json read = Json::parse(text);
  EXPECT_EQ(read["inputs"]["x"], std::string("\"a\\b\"\n\t\x01 \xCF\x80 \xEF\xBF\xBD\0", 16));
  EXPECT_EQ(read["messages"][0], "line\nbreak");
  EXPECT_NE(text.find(R"(\"a\\b\"\n\t\u0001)"), std::string::npos) << text;
}

TEST(SessionJson, ErrorSessionHasEmptyListsNotMissingKeys) {
  const Json read = session(testing::errorSession());
  for (const char* key : {"preview", "sketches", "messages"}) {
    EXPECT_EQ(read[key], Json::array()) << key;
  }
  EXPECT_EQ(read["status"], "x(t): Unexpected end of expression at position 4");
}

}  // namespace
}  // namespace sorvane

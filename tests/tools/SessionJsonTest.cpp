#include "tools/SessionJson.h"

#include <gtest/gtest.h>

#include <sstream>

#include "SampleReports.h"

namespace sorvane {
namespace {

TEST(SessionJson, WritesEveryKeyInItsPlace) {
  SessionReport report = testing::segmentSession();
  report.messages = {"first", "second"};
  std::ostringstream out;
  writeSessionJson(report, out);
  EXPECT_EQ(out.str(),
            R"({
  "inputs": {"x": "t", "y": "0", "z": "0", "tStart": 0, "tEnd": 1},
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
}
)");
}

TEST(SessionJson, SplineOfATurnedSketchGivesBothSpaces) {
  SessionReport report = testing::segmentSession();
  SketchRecord& sketch = report.sketches[0];
  // The XZ plane: sketch (x, y, z) lies at model (x, z, -y); the segment along sketch x stays.
  sketch.plane = "XZ";
  sketch.transform = {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1};
  sketch.splines[0].controlPoints = {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 3, 0}};
  sketch.worldSplines[0].controlPoints = {{0, 0, 0}, {0, 0, -1}, {0, 0, -2}, {0, 0, -3}};
  std::ostringstream out;
  writeSessionJson(report, out);
  const std::string json = out.str();
  EXPECT_NE(json.find(R"("transform": [1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1],)"),
            std::string::npos);
  EXPECT_NE(json.find(R"("controlPoints": [
            [0, 0, 0],
            [0, 1, 0],)"),
            std::string::npos);
  EXPECT_NE(json.find(R"("worldControlPoints": [
            [0, 0, 0],
            [0, 0, -1],)"),
            std::string::npos);
  // A report that does not know where a spline lies in the model leaves the key out.
  sketch.worldSplines.clear();
  std::ostringstream without;
  writeSessionJson(report, without);
  EXPECT_EQ(without.str().find("worldControlPoints"), std::string::npos);
}

TEST(SessionJson, ErrorSessionHasEmptyListsNotMissingKeys) {
  std::ostringstream out;
  writeSessionJson(testing::errorSession(), out);
  const std::string json = out.str();
  for (const char* key : {"\"preview\": []", "\"sketches\": []", "\"messages\": []",
                          "\"status\": \"x(t): Unexpected end of expression at position 4\""}) {
    EXPECT_NE(json.find(key), std::string::npos) << key;
  }
}

}  // namespace
}  // namespace sorvane

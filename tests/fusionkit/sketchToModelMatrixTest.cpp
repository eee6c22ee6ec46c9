// A sketch's placement read in the simulated host as 16 numbers from the model images of four of
// its points, with the null-object error for every answer that is missing.
#include "fusionkit/sketchToModelMatrix.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "fusionkit/NullObjectError.h"
#include "host/driver/HostSession.h"

using namespace adsk::core;
using namespace adsk::fusion;

namespace {

Ptr<Sketch> sketchOn(fsim::HostSession& host, fsim::SketchPlane plane) {
  host.editSketch(host.addSketch(plane));
  return Application::get()->activeEditObject();
}

TEST(sketchToModelMatrix, ReadsTheMapRowAfterRowFromFourPointImages) {
  fsim::HostSession host;
  Ptr<Sketch> sketch = sketchOn(host, fsim::SketchPlane::XZ);
  host.resetOperationCalls();
  // Sketch x is model x, sketch y model -z, the normal model y (HostTypes.h).
  EXPECT_EQ(hv::f360::sketchToModelMatrix(sketch),
            (std::array<double, 16>{1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(host.operationCalls(),
            (std::map<std::string, int>{
                {"Point3D.create", 4}, {"Point3D.getData", 4}, {"Sketch.sketchToModelSpace", 4}}));
}

TEST(sketchToModelMatrix, TakesTheOriginsImageAsTranslationAndTheAxesLessItAsColumns) {
  fsim::HostSession host;
  Ptr<Sketch> sketch = sketchOn(host, fsim::SketchPlane::Tilted);
  // Origin (1, 2, 3); x, y and normal (2, 2, -1) / 3, (-1, 2, 2) / 3, (2, -1, 2) / 3 as columns.
  const std::array<double, 16> expected{2.0 / 3,  -1.0 / 3, 2.0 / 3,  1,       2.0 / 3, 2.0 / 3,
                                        -1.0 / 3, 2,        -1.0 / 3, 2.0 / 3, 2.0 / 3, 3,
                                        0,        0,        0,        1};
  const std::array<double, 16> matrix = hv::f360::sketchToModelMatrix(sketch);
  for (std::size_t cell = 0; cell < matrix.size(); ++cell) {
    EXPECT_NEAR(matrix[cell], expected[cell], 1e-15) << cell;
  }
  for (std::size_t cell : {3, 7, 11, 12, 13, 14, 15}) EXPECT_EQ(matrix[cell], expected[cell]);
}

TEST(sketchToModelMatrix, MissingSketchPointImageOrCoordinatesAreTheNullObjectError) {
  fsim::HostSession host;
  Ptr<Sketch> sketch = sketchOn(host, fsim::SketchPlane::Tilted);
  EXPECT_THROW(hv::f360::sketchToModelMatrix(nullptr), hv::f360::NullObjectError);
  for (const char* refused : {"Point3D.create", "Sketch.sketchToModelSpace", "Point3D.getData"}) {
    // The first call, for the origin, and the last, for the normal, are checked alike.
    for (int call : {1, 4}) {
      host.failOperation(refused, fsim::FaultMode::Once, call);
      EXPECT_THROW(hv::f360::sketchToModelMatrix(sketch), hv::f360::NullObjectError)
          << refused << " " << call;
    }
  }
  EXPECT_EQ(hv::f360::sketchToModelMatrix(sketch)[3], 1.0);  // the origin's x, once answered again
}

}  // namespace

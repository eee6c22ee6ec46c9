// A sketch's transform read as 16 numbers in the simulated host, with one call for the matrix and
// one for its cells, and the null-object error for every answer that is missing.
#include "fusionkit/sketchTransform.h"

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

TEST(sketchTransform, ReadsTheMatrixRowAfterRowWithOneCallEach) {
  fsim::HostSession host;
  Ptr<Sketch> sketch = sketchOn(host, fsim::SketchPlane::XZ);
  host.resetOperationCalls();
  // Sketch x is model x, sketch y model -z, the normal model y (HostTypes.h).
  EXPECT_EQ(hv::f360::sketchTransform(sketch),
            (std::array<double, 16>{1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(host.operationCalls(),
            (std::map<std::string, int>{{"Matrix3D.asArray", 1}, {"Sketch.transform", 1}}));
}

TEST(sketchTransform, MissingSketchMatrixOrCellsAreTheNullObjectError) {
  fsim::HostSession host;
  Ptr<Sketch> sketch = sketchOn(host, fsim::SketchPlane::Tilted);
  EXPECT_THROW(hv::f360::sketchTransform(nullptr), hv::f360::NullObjectError);
  for (const char* refused : {"Sketch.transform", "Matrix3D.asArray"}) {
    host.failOperation(refused, fsim::FaultMode::Once);
    EXPECT_THROW(hv::f360::sketchTransform(sketch), hv::f360::NullObjectError) << refused;
  }
  EXPECT_EQ(hv::f360::sketchTransform(sketch)[3], 1.0);  // the origin's x, once answered again
}

}  // namespace

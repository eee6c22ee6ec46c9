// The sketch in edit, found through the application's active edit object in the simulated host.
#include "fusionkit/sketchInEdit.h"

#include <gtest/gtest.h>

#include "fusionkit/NullObjectError.h"
#include "host/driver/HostSession.h"

using namespace adsk::core;
using namespace adsk::fusion;

namespace {

TEST(sketchInEdit, IsTheEditedSketchOrNull) {
  fsim::HostSession host;
  Ptr<Application> application = Application::get();
  EXPECT_FALSE(hv::f360::sketchInEdit(application));  // the root component is in edit
  host.editSketch(host.addSketch(fsim::SketchPlane::YZ));
  Ptr<Sketch> sketch = hv::f360::sketchInEdit(application);
  ASSERT_TRUE(sketch);
  EXPECT_EQ(sketch->name(), "Sketch1");
  // An edit object the host does not give reads as no sketch in edit.
  host.failOperation("Application.activeEditObject", fsim::FaultMode::Once);
  EXPECT_FALSE(hv::f360::sketchInEdit(application));
  EXPECT_THROW(hv::f360::sketchInEdit(nullptr), hv::f360::NullObjectError);
}

}  // namespace

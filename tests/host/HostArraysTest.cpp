// Texts and arrays the host hands out come back through DeallocateArrayInternal: the wrappers
// free each buffer exactly once, and a buffer the host never allocated stops the process.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;

TEST(HostArrays, StringGettersReturnEveryBuffer) {
  fsim::HostSession session;
  const fsim::HostAllocations before = fsim::HostSession::allocations();
  Ptr<Workspace> workspace =
      Application::get()->userInterface()->workspaces()->itemById("FusionSolidEnvironment");
  EXPECT_EQ(workspace->id(), "FusionSolidEnvironment");
  EXPECT_EQ(workspace->toolbarPanels()->item(1)->id(), "SketchPanel");
  const fsim::HostAllocations after = fsim::HostSession::allocations();
  EXPECT_EQ(after.strings - before.strings, 2u);
  EXPECT_EQ(after.stringsFreed - before.stringsFreed, 2u);
}

TEST(HostArrays, NumberAndObjectArraysReturnEveryBuffer) {
  fsim::HostSession session;
  const fsim::HostAllocations before = fsim::HostSession::allocations();
  {
    std::vector<Ptr<Point3D>> points = {Point3D::create(0, 0, 0), Point3D::create(1, 2, 3)};
    Ptr<NurbsCurve3D> curve = NurbsCurve3D::createNonRational(points, 1, {0, 0, 1, 1}, false);
    ASSERT_TRUE(curve);
    EXPECT_EQ(curve->knots(), (std::vector<double>{0, 0, 1, 1}));
    std::vector<Ptr<Point3D>> back = curve->controlPoints();
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1]->asArray(), (std::vector<double>{1, 2, 3}));
  }
  const fsim::HostAllocations after = fsim::HostSession::allocations();
  EXPECT_EQ(after.numberArrays - before.numberArrays, 2u);  // knots, asArray
  EXPECT_EQ(after.numberArraysFreed - before.numberArraysFreed, 2u);
  EXPECT_EQ(after.objectArrays - before.objectArrays, 1u);  // control points
  EXPECT_EQ(after.objectArraysFreed - before.objectArraysFreed, 1u);
  EXPECT_TRUE(session.heldObjects().empty());  // the points' references were adopted and released
}

TEST(HostArrays, LastErrorDescriptionRoundTrips) {
  fsim::HostSession session;
  session.failOperation("UserInterface.workspaces", fsim::FaultMode::Once);
  Ptr<Application> app = Application::get();
  EXPECT_FALSE(app->userInterface()->workspaces());
  std::string description;
  EXPECT_NE(app->getLastError(&description), 0);
  EXPECT_EQ(description, "UserInterface.workspaces failed");
  const fsim::HostAllocations counts = fsim::HostSession::allocations();
  EXPECT_EQ(counts.strings, counts.stringsFreed);
}

TEST(HostArrays, NullIsIgnoredAndForeignBuffersAbort) {
  DeallocateArrayInternal(static_cast<char*>(nullptr));
  EXPECT_DEATH(DeallocateArrayInternal(new char[4]), "does not own");
}

}  // namespace

// The custom graphics manager on its own, in the simulated host: which group it finds among
// groups of other add-ins, and what it does once its group has gone.
#include "fusionkit/CustomGraphicsManager.h"

#include <gtest/gtest.h>

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fusionkit/NullObjectError.h"
#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;

using Manager = hv::f360::CustomGraphicsManager;

constexpr char kGroupId[] = "preview";

/// The ID and curve count of each group.
using Groups = std::vector<std::pair<std::string, std::size_t>>;

class CustomGraphicsManager : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(host.heldObjects().empty()); }

  std::unique_ptr<Manager> makeManager() {
    return std::make_unique<Manager>(Application::get(), kGroupId);
  }
  /// Draws the segment from (0, 0, 0) to (1, 0, 0) in red.
  static void drawSegment(Manager& manager) {
    const std::vector<Ptr<Point3D>> ends{Point3D::create(0, 0, 0), Point3D::create(1, 0, 0)};
    manager.addCurve(NurbsCurve3D::createNonRational(ends, 1, {0, 0, 1, 1}, false), 2.0,
                     Color::create(255, 0, 0, 255));
  }
  /// The root component's groups, in collection order.
  Groups groups() const {
    Groups out;
    for (const fsim::GraphicsGroupInfo& group : host.graphicsGroups()) {
      out.emplace_back(group.id, group.curves.size());
    }
    return out;
  }

  fsim::HostSession host;
};

// Another add-in's group with the same ID comes first: the manager draws into that one and
// deletes it, leaving its own, empty.
TEST_F(CustomGraphicsManager, TakesTheFirstGroupWithItsId) {
  host.addGraphicsGroup(kGroupId);
  std::unique_ptr<Manager> manager = makeManager();
  EXPECT_EQ(groups(), (Groups{{kGroupId, 0}, {kGroupId, 0}}));
  drawSegment(*manager);
  EXPECT_EQ(groups(), (Groups{{kGroupId, 1}, {kGroupId, 0}}));
  manager.reset();
  EXPECT_EQ(groups(), (Groups{{kGroupId, 0}}));
}

// IDs are compared exactly: another add-in's group whose ID differs in case or length, though
// it comes first, is neither drawn into nor deleted.
TEST_F(CustomGraphicsManager, PassesOverIdsThatDifferInCaseOrLength) {
  for (const std::string other : {"PREVIEW", "Preview", "previeW", "previe", "preview "}) {
    SCOPED_TRACE("'" + other + "'");
    host.addGraphicsGroup(other);
    std::unique_ptr<Manager> manager = makeManager();
    drawSegment(*manager);
    EXPECT_EQ(groups(), (Groups{{other, 0}, {kGroupId, 1}}));
    manager.reset();
    EXPECT_EQ(groups(), (Groups{{other, 0}}));
    host.deleteGraphicsGroup(0);
  }
}

// Its group deleted by someone else, the manager has nowhere to draw: the null-object error, and
// a group that differs only in case is not taken instead.
TEST_F(CustomGraphicsManager, DrawingAfterItsGroupVanishedIsTheNullObjectError) {
  std::unique_ptr<Manager> manager = makeManager();
  host.deleteGraphicsGroup(0);
  host.addGraphicsGroup("Preview");
  const int refreshes = host.viewportRefreshes();
  EXPECT_THROW(drawSegment(*manager), hv::f360::NullObjectError);
  EXPECT_EQ(groups(), (Groups{{"Preview", 0}}));
  EXPECT_EQ(host.viewportRefreshes(), refreshes);
}

// Nor does its end touch what is left: no group deleted, the view not refreshed, nothing thrown.
TEST_F(CustomGraphicsManager, EndingAfterItsGroupVanishedChangesNothing) {
  std::unique_ptr<Manager> manager = makeManager();
  drawSegment(*manager);
  host.deleteGraphicsGroup(0);
  host.addGraphicsGroup("other");
  const int refreshes = host.viewportRefreshes();
  EXPECT_NO_THROW(manager.reset());
  EXPECT_EQ(groups(), (Groups{{"other", 0}}));
  EXPECT_EQ(host.viewportRefreshes(), refreshes);
}

}  // namespace

// The preview's lifetime through the add-in: its group goes when the dialog closes, when the
// add-in stops and when the library is unloaded with a preview on screen. Then the manager on its
// own, in the simulated host: which group it finds among groups of other add-ins, and what it
// does once its group has gone.
#include "graphics/CustomGraphicsManager.h"

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AddInTest.h"
#include "curve/NullObjectError.h"

namespace {

using namespace adsk::core;

class PreviewLifetime : public AddInTest {};

TEST_F(PreviewLifetime, CancelRemovesThePreview) {
  startAndOpenDialog();
  ASSERT_EQ(previewGroups().size(), 1u);
  const int refreshes = host.viewportRefreshes();
  host.cancel();
  EXPECT_TRUE(host.graphicsGroups().empty());
  EXPECT_GT(host.viewportRefreshes(), refreshes);
  expectHeldBetweenEvents(false);
}

TEST_F(PreviewLifetime, StopRemovesThePreviewAndLetsGoOfEverything) {
  startAndOpenDialog();
  EXPECT_TRUE(addIn.stop(""));
  EXPECT_TRUE(host.graphicsGroups().empty());
  expectNothingHeld();
}

TEST_F(PreviewLifetime, UnloadingTheLibraryWhileAPreviewIsShownDeletesItsGroup) {
  startAndOpenDialog();
  ASSERT_EQ(previewGroups().size(), 1u);
  addIn.unload();
  EXPECT_TRUE(host.graphicsGroups().empty());
  expectNothingHeld();
}

TEST_F(PreviewLifetime, AGroupOfAnotherDesignIsLeftAlone) {
  startAndOpenDialog();
  // The manager finds its group in the active design only; with no design it finds nothing and
  // its end changes nothing, and it raises nothing.
  host.setActiveProduct(fsim::ActiveProduct::OtherProduct);
  host.cancel();
  host.setActiveProduct(fsim::ActiveProduct::Design);
  EXPECT_EQ(previewGroups().size(), 1u);
  expectHeldBetweenEvents(false);
}

// Cancel ends the preview and stop ends it again: the second time there is nothing left to end,
// and a group of the same ID that appeared in between is not the add-in's.
TEST_F(PreviewLifetime, EndingThePreviewAgainDeletesNothing) {
  startAndOpenDialog();
  host.cancel();
  ASSERT_TRUE(host.graphicsGroups().empty());
  host.addGraphicsGroup(kPreviewGroupId);
  const int refreshes = host.viewportRefreshes();
  EXPECT_TRUE(addIn.stop(""));
  EXPECT_EQ(previewGroups().size(), 1u);
  EXPECT_EQ(host.viewportRefreshes(), refreshes);
  expectNothingHeld();
}

using Manager = hv::f360::CustomGraphicsManager;

constexpr char kGroupId[] = "preview";

/// The ID and curve count of each group.
using Groups = std::vector<std::pair<std::string, std::size_t>>;

class CustomGraphicsManager : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(heldReferences(host), HeldReferences()); }

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

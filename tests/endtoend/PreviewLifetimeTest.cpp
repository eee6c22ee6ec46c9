// The preview's lifetime through the add-in: its group goes when the dialog closes, when the
// add-in stops and when the library is unloaded with a preview on screen.
#include "AddInTest.h"

namespace {

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
  host.addGraphicsGroup(kCurvePreviewGroupId);
  const int refreshes = host.viewportRefreshes();
  EXPECT_TRUE(addIn.stop(""));
  EXPECT_EQ(previewGroups().size(), 1u);
  EXPECT_EQ(host.viewportRefreshes(), refreshes);
  expectNothingHeld();
}

}  // namespace

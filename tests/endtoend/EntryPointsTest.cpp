// run and stop as the host calls them: registration on the Sketch panel, the start-up message,
// repeated and failing calls, and what the add-in holds afterwards.
#include <string>

#include "AddInTest.h"

using vintrel::dialog::kCommandId;
using vintrel::dialog::kPanelId;
using vintrel::dialog::kWorkspaceId;

namespace {

constexpr char kStartUpMessage[] =
    "The 'Sorvane' command has been added to the Sketch panel in the Modeling workspace.";

const std::string kCommandCreated = std::string("commandCreated:") + kCommandId;

class EntryPoints : public AddInTest {};

TEST_F(EntryPoints, RunRegistersTheCommandOnTheSketchPanel) {
  EXPECT_TRUE(addIn.run(""));
  EXPECT_TRUE(host.hasControl(kWorkspaceId, kPanelId, kCommandId));
  EXPECT_TRUE(host.hasCommandDefinition(kCommandId));
  EXPECT_EQ(host.handlerCount(kCommandCreated), 1u);
  EXPECT_TRUE(host.messageBoxes().empty());
  expectHeldBetweenEvents(false);
}

// What the user sees of the registration: the button's name and tooltip, its icons, and the
// button on the panel itself, where the start-up message says it is.
TEST_F(EntryPoints, RunShowsTheNamedButtonOnThePanelItself) {
  ASSERT_TRUE(addIn.run(""));
  const fsim::CommandDefinitionInfo definition = host.commandDefinitionInfo(kCommandId);
  EXPECT_EQ(definition.name, "Sorvane");
  EXPECT_EQ(definition.tooltip, "Create 3D parametric curve");
  EXPECT_EQ(definition.resourceFolder, "./resources");
  EXPECT_TRUE(host.isControlPromoted(kWorkspaceId, kPanelId, kCommandId));
}

/// A run context and whether it announces the button.
using Context = std::pair<std::string, bool>;

class StartUpContext : public AddInTest, public ::testing::WithParamInterface<Context> {};

TEST_P(StartUpContext, ShowsTheStartUpMessageOnlyForFalse) {
  const auto [context, announced] = GetParam();
  EXPECT_TRUE(addIn.run(context));
  EXPECT_TRUE(host.hasControl(kWorkspaceId, kPanelId, kCommandId));
  const auto boxes = host.messageBoxes();
  ASSERT_EQ(boxes.size(), announced ? 1u : 0u);
  if (announced) {
    EXPECT_EQ(boxes[0].text, kStartUpMessage);
    EXPECT_EQ(boxes[0].title, "");
    EXPECT_EQ(boxes[0].buttons, 0);
    EXPECT_EQ(boxes[0].icon, 0);
  }
  expectHeldBetweenEvents(false);
}

INSTANTIATE_TEST_SUITE_P(Contexts, StartUpContext,
                         ::testing::Values(Context("{\"IsApplicationStartup\":false}", true),
                                           Context("false", true), Context("xfalsex", true),
                                           Context("{\"IsApplicationStartup\":true}", false),
                                           Context("fals", false), Context("FALSE", false),
                                           Context("", false)));

TEST_F(EntryPoints, SecondRunAddsNothingAndShowsNothing) {
  ASSERT_TRUE(addIn.run("false"));
  EXPECT_TRUE(addIn.run("false"));
  EXPECT_EQ(host.messageBoxes().size(), 1u);
  EXPECT_EQ(host.handlerCount(kCommandCreated), 1u);
  EXPECT_TRUE(host.hasControl(kWorkspaceId, kPanelId, kCommandId));
  expectHeldBetweenEvents(false);
}

TEST_F(EntryPoints, StopWithoutRunSucceedsAndRemovesNothing) {
  EXPECT_TRUE(addIn.stop(""));
  EXPECT_FALSE(host.hasCommandDefinition(kCommandId));
  expectNothingHeld();
}

TEST_F(EntryPoints, StopRemovesControlAndDefinitionAndLetsGoOfEverything) {
  ASSERT_TRUE(addIn.run(""));
  EXPECT_TRUE(addIn.stop(""));
  EXPECT_FALSE(host.hasControl(kWorkspaceId, kPanelId, kCommandId));
  EXPECT_FALSE(host.hasCommandDefinition(kCommandId));
  expectNothingHeld();
  // A later run registers everything again.
  EXPECT_TRUE(addIn.run(""));
  EXPECT_TRUE(host.hasControl(kWorkspaceId, kPanelId, kCommandId));
  EXPECT_EQ(host.handlerCount(kCommandCreated), 1u);
  EXPECT_TRUE(addIn.stop(""));
  expectNothingHeld();
}

TEST_F(EntryPoints, StopWithoutThePanelFailsAndKeepsItsReferences) {
  ASSERT_TRUE(addIn.run(""));
  host.removePanel(kWorkspaceId, kPanelId);
  EXPECT_FALSE(addIn.stop(""));
  EXPECT_TRUE(host.hasCommandDefinition(kCommandId));
  expectHeldBetweenEvents(false);
  // Unloading the library still lets go of them.
  addIn.unload();
  expectNothingHeld();
}

TEST_F(EntryPoints, StopDeletesTheDefinitionEvenWhenTheControlIsGone) {
  ASSERT_TRUE(addIn.run(""));
  // run looked the control up once; stop's lookup is the second and finds nothing, as after the
  // user removed the button.
  host.failOperation("ToolbarControls.itemById", fsim::FaultMode::Once, 2);
  EXPECT_TRUE(addIn.stop(""));
  EXPECT_FALSE(host.hasCommandDefinition(kCommandId));
  expectNothingHeld();
}

TEST_F(EntryPoints, RunReusesADefinitionLeftWithoutControl) {
  host.failOperation("ToolbarControls.addCommand", fsim::FaultMode::Once);
  ASSERT_FALSE(addIn.run(""));
  ASSERT_TRUE(host.hasCommandDefinition(kCommandId));
  ASSERT_FALSE(host.hasControl(kWorkspaceId, kPanelId, kCommandId));
  EXPECT_TRUE(addIn.run(""));
  EXPECT_TRUE(host.hasControl(kWorkspaceId, kPanelId, kCommandId));
  EXPECT_TRUE(host.isControlPromoted(kWorkspaceId, kPanelId, kCommandId));
  EXPECT_EQ(host.handlerCount(kCommandCreated), 1u);
  click();
  EXPECT_EQ(host.inputs().size(), 16u);
  expectHeldBetweenEvents(true);
}

TEST_F(EntryPoints, RunWithoutThePanelShowsTheUnexpectedErrorMessage) {
  host.removePanel(kWorkspaceId, kPanelId);
  EXPECT_FALSE(addIn.run("false"));
  const auto boxes = host.messageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "An unexpected condition was encountered. Please let us know so we can fix it! Take a "
            "screenshot of this message and contact us at support@vintrel.dev.\n"
            "Error message:\nUnknown exception");
  EXPECT_EQ(boxes[0].buttons, 0);
  EXPECT_EQ(boxes[0].icon, 0);
  expectHeldBetweenEvents(false);
  EXPECT_FALSE(addIn.stop(""));
}

TEST_F(EntryPoints, RunWithoutUserInterfaceFailsSilently) {
  host.failOperation("Application.userInterface", fsim::FaultMode::Always);
  EXPECT_FALSE(addIn.run("false"));
  EXPECT_TRUE(host.messageBoxes().empty());
  EXPECT_EQ(held(), (HeldReferences{{"adsk::core::Application", 1}}));
  EXPECT_TRUE(addIn.stop(""));
  expectNothingHeld();
}

}  // namespace

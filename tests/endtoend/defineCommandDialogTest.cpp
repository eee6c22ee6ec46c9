// A click on the button: the dialog's six inputs with their defaults, its help page and handlers,
// and the first preview of the default helix.
#include <string>
#include <vector>

#include "AddInTest.h"

using vintrel::dialog::kStatusDisplayId;

namespace {

class CommandDialog : public AddInTest {};

void expectInput(const fsim::InputInfo& input, const std::string& id, const std::string& type,
                 const std::string& label, const std::string& text) {
  SCOPED_TRACE(id);
  EXPECT_EQ(input.id, id);
  EXPECT_EQ(input.type, type);
  EXPECT_EQ(input.label, label);
  EXPECT_EQ(input.text, text);
}

TEST_F(CommandDialog, ClickBuildsTheSixInputsWithTheirDefaults) {
  startAndOpenDialog();
  const auto inputs = host.inputs();
  ASSERT_EQ(inputs.size(), 6u);
  expectInput(inputs[0], "xFunctionInput_", "StringValueCommandInput", "x(t) =", "cos(2 * pi * t)");
  expectInput(inputs[1], "yFunctionInput_", "StringValueCommandInput", "y(t) =", "sin(2 * pi * t)");
  expectInput(inputs[2], "zFunctionInput_", "StringValueCommandInput", "z(t) =", "t");
  expectInput(inputs[3], "minTValueInput_", "ValueCommandInput", "Starting t Value", "0.0");
  expectInput(inputs[4], "maxTValueInput_", "ValueCommandInput", "Ending t Value", "3.0");
  EXPECT_EQ(inputs[3].value, 0.0);
  EXPECT_EQ(inputs[4].value, 3.0);
  EXPECT_EQ(inputs[3].unitType, "");
  EXPECT_EQ(inputs[4].unitType, "");
  EXPECT_EQ(inputs[5].id, kStatusDisplayId);
  EXPECT_EQ(inputs[5].type, "TextBoxCommandInput");
  EXPECT_EQ(inputs[5].label, "Notifications");
  EXPECT_EQ(inputs[5].numRows, 5);
  EXPECT_TRUE(inputs[5].readOnly);
  EXPECT_EQ(host.helpFile(), "docs/help.html");
}

TEST_F(CommandDialog, OpensWithTheDefaultHelixPreviewedInRed) {
  startAndOpenDialog();
  // The default helix, three turns, needs 32 controls to stay within 0.002.
  EXPECT_EQ(status(), "32 spline controls");
  const auto groups = previewGroups();
  ASSERT_EQ(groups.size(), 1u);
  ASSERT_EQ(groups[0].curves.size(), 1u);
  const fsim::CurveGraphicsInfo& curve = groups[0].curves[0];
  EXPECT_EQ(curve.weight, 3.0);
  EXPECT_EQ(curve.color, (std::array<int, 4>{255, 0, 0, 255}));
  EXPECT_FALSE(curve.selectable);
  EXPECT_TRUE(curve.visible);
  EXPECT_EQ(curve.curve.degree, 3);
  EXPECT_EQ(curve.curve.controlPoints.size(), 32u);
  EXPECT_GT(host.viewportRefreshes(), 0);
  expectHeldBetweenEvents(true);
}

TEST_F(CommandDialog, EveryClickStartsFromTheDefaults) {
  startAndOpenDialog();
  host.setInputText("xFunctionInput_", "t");
  host.setInputValue("maxTValueInput_", 1.0);
  host.cancel();
  click();
  const auto inputs = host.inputs();
  ASSERT_EQ(inputs.size(), 6u);
  EXPECT_EQ(inputs[0].text, "cos(2 * pi * t)");
  EXPECT_EQ(inputs[4].value, 3.0);
  EXPECT_EQ(status(), "32 spline controls");
  // The same three handler objects serve the second command; none is added per click.
  for (const char* event : {"execute", "destroy", "executePreview"}) {
    EXPECT_EQ(host.handlerCount(event), 1u) << event;
  }
  expectHeldBetweenEvents(true);
}

TEST_F(CommandDialog, ACreatedEventWithoutCommandDoesNothing) {
  ASSERT_TRUE(addIn.run(""));
  host.failOperation("CommandCreatedEventArgs.command", fsim::FaultMode::Once);
  click();
  EXPECT_TRUE(host.inputs().empty());
  EXPECT_EQ(host.handlerCount("executePreview"), 0u);
  EXPECT_TRUE(host.handlerErrors().empty());
  expectHeldBetweenEvents(false);
}

TEST_F(CommandDialog, ACommandWithoutInputsGetsItsHandlersButNoPreview) {
  ASSERT_TRUE(addIn.run(""));
  host.failOperation("Command.commandInputs", fsim::FaultMode::Once);
  click();
  EXPECT_EQ(host.helpFile(), "docs/help.html");
  for (const char* event : {"execute", "destroy", "executePreview"}) {
    EXPECT_EQ(host.handlerCount(event), 1u) << event;
  }
  EXPECT_TRUE(host.inputs().empty());
  EXPECT_TRUE(host.graphicsGroups().empty());
  EXPECT_TRUE(host.handlerErrors().empty());
  expectHeldBetweenEvents(false);
  // Its end without a preview changes nothing.
  host.cancel();
  EXPECT_TRUE(host.graphicsGroups().empty());
  expectHeldBetweenEvents(false);
}

TEST_F(CommandDialog, WithoutTheTextBoxThePreviewIsDrawnAndTheErrorReachesTheHost) {
  ASSERT_TRUE(addIn.run(""));
  host.failOperation("CommandInputs.addTextBoxCommandInput", fsim::FaultMode::Once);
  click();
  EXPECT_EQ(host.inputs().size(), 5u);
  EXPECT_EQ(previewGroups().size(), 1u);
  // The command-created handler catches nothing: the null-object error goes to the host.
  EXPECT_EQ(host.handlerErrors(), std::vector<std::string>{"Unknown exception"});
  expectHeldBetweenEvents(true);
}

}  // namespace

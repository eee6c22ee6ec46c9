// Bool inputs as an add-in builds them and a user ticks them: a check box with its initial state,
// a button with its icons, the driver's tick raising a preview, hidden inputs, and refused calls.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;

// Notes the state of the check box that each preview reads.
class PreviewLog : public CommandEventHandler {
 public:
  void notify(const Ptr<CommandEventArgs>& eventArgs) override {
    Ptr<BoolValueCommandInput> box = eventArgs->command()->commandInputs()->itemById("fine_");
    seen.push_back(box && box->value());
  }
  std::vector<bool> seen;
};

// A command "tick" whose dialog has a check box "fine_", ticked at first, and a button "pick_"
// with its icons in "./icons/pick".
class TickCommand : public CommandCreatedEventHandler {
 public:
  TickCommand() {
    Ptr<UserInterface> ui = Application::get()->userInterface();
    Ptr<CommandDefinition> definition =
        ui->commandDefinitions()->addButtonDefinition("tick", "Tick", "tip");
    definition->commandCreated()->add(this);
    ui->workspaces()
        ->itemById("FusionSolidEnvironment")
        ->toolbarPanels()
        ->itemById("SketchPanel")
        ->controls()
        ->addCommand(definition);
  }
  void notify(const Ptr<CommandCreatedEventArgs>& eventArgs) override {
    eventArgs->command()->executePreview()->add(&previews);
    Ptr<CommandInputs> inputs = eventArgs->command()->commandInputs();
    box = inputs->addBoolValueInput("fine_", "Fine", true, "", true);
    button = inputs->addBoolValueInput("pick_", "Pick", false, "./icons/pick");
  }
  Ptr<BoolValueCommandInput> box, button;
  PreviewLog previews;
};

void open(fsim::HostSession& session) {
  session.click("FusionSolidEnvironment", "SketchPanel", "tick");
}

TEST(CheckBox, StartsAsAddedAndTheUsersTickRaisesAPreview) {
  fsim::HostSession session;
  TickCommand tick;
  EXPECT_THROW(session.setCheckBox("fine_", false), std::runtime_error);  // no dialog
  open(session);
  ASSERT_TRUE(tick.box && tick.button);
  EXPECT_TRUE(tick.box->value() && tick.box->isCheckBox());
  EXPECT_EQ(tick.box->resourceFolder(), "");
  EXPECT_FALSE(tick.button->value() || tick.button->isCheckBox());  // a button's default state
  EXPECT_EQ(tick.button->resourceFolder(), "./icons/pick");
  const fsim::InputInfo info = session.inputs().at(0);
  EXPECT_EQ(info.type, "BoolValueCommandInput");
  EXPECT_EQ(info.label, "Fine");
  EXPECT_TRUE(info.checked && info.checkBox);

  session.setCheckBox("fine_", false);
  session.setCheckBox("fine_", true);
  EXPECT_EQ(tick.previews.seen, (std::vector<bool>{false, true}));
  EXPECT_TRUE(tick.box->value(false));
  EXPECT_FALSE(session.inputs().at(0).checked);
  EXPECT_THROW(session.setCheckBox("pick_", true), std::runtime_error);  // a button is clicked
  ASSERT_TRUE(tick.box->isVisible(false));
  EXPECT_THROW(session.setCheckBox("fine_", true), std::runtime_error);
  EXPECT_EQ(tick.previews.seen.size(), 2u);
}

TEST(CheckBox, RefusedCallsAnswerFalseOrNull) {
  fsim::HostSession session;
  TickCommand tick;
  open(session);
  session.failOperation("BoolValueCommandInput.value", fsim::FaultMode::Once);
  EXPECT_FALSE(tick.box->value());  // ticked, but not told
  EXPECT_TRUE(tick.box->value());
  session.failOperation("BoolValueCommandInput.value", fsim::FaultMode::Once);
  EXPECT_FALSE(tick.box->value(false));
  EXPECT_TRUE(tick.box->value());
  session.failOperation("CommandInputs.addBoolValueInput", fsim::FaultMode::Once);
  open(session);
  EXPECT_FALSE(tick.box);
  EXPECT_EQ(session.inputs().size(), 1u);  // the button alone
  // An ID taken already is refused, as for every input.
  Ptr<CommandInputs> inputs = tick.button->commandInputs();
  EXPECT_FALSE(inputs->addBoolValueInput("pick_", "Again", true));
}

}  // namespace

// Drop-down inputs as an add-in builds them and a user picks from them: the items' order and
// positions, one selection in the single-choice styles and any number of checks in check boxes,
// the driver's pick raising a preview, hidden inputs, and refused calls.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;

// Counts previews and notes the selected item's name each one sees.
class PreviewLog : public CommandEventHandler {
 public:
  void notify(const Ptr<CommandEventArgs>& eventArgs) override {
    Ptr<DropDownCommandInput> list = eventArgs->command()->commandInputs()->itemById("unit_");
    Ptr<ListItem> selected = list ? list->selectedItem() : nullptr;
    seen.push_back(selected ? selected->name() : "");
  }
  std::vector<std::string> seen;
};

// A command "choose" whose dialog has one drop-down "unit_": mm, cm (selected), a separator, in.
class ChoiceCommand : public CommandCreatedEventHandler {
 public:
  explicit ChoiceCommand(DropDownStyles style) : style_(style) {
    Ptr<UserInterface> ui = Application::get()->userInterface();
    Ptr<CommandDefinition> definition =
        ui->commandDefinitions()->addButtonDefinition("choose", "Choose", "tip");
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
    list = eventArgs->command()->commandInputs()->addDropDownCommandInput("unit_", "Unit", style_);
    if (!list) return;
    Ptr<ListItems> items = list->listItems();
    items->add("mm", false);
    items->add("cm", true, "./icons/cm");
    items->addSeparator(-1);
    items->add("in", false);
  }
  Ptr<DropDownCommandInput> list;
  PreviewLog previews;

 private:
  DropDownStyles style_;
};

void open(fsim::HostSession& session) {
  session.click("FusionSolidEnvironment", "SketchPanel", "choose");
}

std::vector<bool> selection(const Ptr<ListItems>& items) {
  std::vector<bool> selected;
  for (size_t i = 0; i < items->count(); ++i) selected.push_back(items->item(i)->isSelected());
  return selected;
}

TEST(DropDown, ItemsKeepTheirOrderAndASingleChoiceStaysSingle) {
  fsim::HostSession session;
  ChoiceCommand choice(TextListDropDownStyle);
  open(session);
  ASSERT_TRUE(choice.list);
  Ptr<ListItems> items = choice.list->listItems();
  const fsim::InputInfo info = session.inputs().at(0);
  EXPECT_EQ(info.type, "DropDownCommandInput");
  EXPECT_EQ(info.items, (std::vector<std::string>{"mm", "cm", "in"}));
  EXPECT_EQ(info.text, "cm");

  EXPECT_TRUE(items->item(3)->isSelected(true));
  EXPECT_EQ(choice.list->selectedItem()->name(), "in");
  EXPECT_EQ(selection(items), (std::vector<bool>{false, false, false, true}));
  EXPECT_TRUE(items->item(2)->isSeparator());
  EXPECT_FALSE(items->item(2)->isSelected(true));
  EXPECT_FALSE(items->item(2)->name("x"));

  Ptr<ListItem> first = items->add("um", true, "", 0);
  ASSERT_TRUE(first);
  EXPECT_EQ(items->item(1)->index(), 1);
  EXPECT_EQ(items->item(2)->icon(), "./icons/cm");
  EXPECT_TRUE(Ptr<ListItems>(first->parentList()) == items);
  EXPECT_EQ(selection(items), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_FALSE(items->add("ft", false, "", 6));  // past the end
  EXPECT_FALSE(choice.list->maxVisibleItems(0));

  EXPECT_TRUE(first->deleteMe());
  EXPECT_FALSE(first->isValid());
  EXPECT_FALSE(choice.list->selectedItem());
  EXPECT_EQ(items->item(0)->index(), 0);
  Ptr<ListItem> kept = items->item(0);
  EXPECT_TRUE(items->clear());
  EXPECT_EQ(items->count(), 0u);
  EXPECT_FALSE(kept->isValid());
}

TEST(DropDown, CheckBoxesAreCheckedEachOnItsOwn) {
  fsim::HostSession session;
  ChoiceCommand choice(CheckBoxDropDownStyle);
  open(session);
  ASSERT_TRUE(choice.list);
  Ptr<ListItems> items = choice.list->listItems();
  EXPECT_TRUE(items->item(0)->isSelected(true));
  EXPECT_EQ(selection(items), (std::vector<bool>{true, true, false, false}));
  session.selectDropDownItem("unit_", "cm");  // the user's click unchecks a checked box
  session.selectDropDownItem("unit_", "in");
  EXPECT_EQ(selection(items), (std::vector<bool>{true, false, false, true}));
}

TEST(DropDown, TheUsersPickRaisesAPreviewOfItsChoice) {
  fsim::HostSession session;
  ChoiceCommand choice(LabeledIconDropDownStyle);
  EXPECT_THROW(session.selectDropDownItem("unit_", "mm"), std::runtime_error);  // no dialog
  open(session);
  session.selectDropDownItem("unit_", "mm");
  session.selectDropDownItem("unit_", "in");
  EXPECT_EQ(choice.previews.seen, (std::vector<std::string>{"mm", "in"}));
  EXPECT_EQ(session.inputs().at(0).text, "in");
  EXPECT_THROW(session.selectDropDownItem("unit_", "yd"), std::runtime_error);
  EXPECT_THROW(session.selectDropDownItem("unit_", ""), std::runtime_error);  // the separator
  EXPECT_THROW(session.selectDropDownItem("other_", "mm"), std::runtime_error);
  EXPECT_EQ(choice.previews.seen.size(), 2u);
}

TEST(DropDown, AHiddenInputIsReportedAndCannotBeEdited) {
  fsim::HostSession session;
  ChoiceCommand choice(TextListDropDownStyle);
  open(session);
  ASSERT_TRUE(choice.list->isVisible(false));
  EXPECT_FALSE(choice.list->isVisible());
  EXPECT_FALSE(session.inputs().at(0).visible);
  EXPECT_THROW(session.selectDropDownItem("unit_", "mm"), std::runtime_error);
  EXPECT_TRUE(choice.previews.seen.empty());
  ASSERT_TRUE(choice.list->isVisible(true));
  EXPECT_TRUE(session.inputs().at(0).visible);
  session.selectDropDownItem("unit_", "mm");
  EXPECT_EQ(choice.previews.seen, std::vector<std::string>{"mm"});
}

TEST(DropDown, RefusedCallsAnswerNullAndAreReported) {
  fsim::HostSession session;
  ChoiceCommand choice(TextListDropDownStyle);
  session.failOperation("ListItems.add", fsim::FaultMode::Once, 2);
  open(session);
  EXPECT_EQ(session.inputs().at(0).items, (std::vector<std::string>{"mm", "in"}));
  session.failOperation("DropDownCommandInput.selectedItem", fsim::FaultMode::Once);
  EXPECT_FALSE(choice.list->selectedItem());
  std::string description;
  EXPECT_NE(Application::get()->getLastError(&description), 0);
  EXPECT_EQ(description, "DropDownCommandInput.selectedItem failed");
  EXPECT_EQ(choice.list->selectedItem(), nullptr);  // nothing selected: "cm" was refused

  session.failOperation("CommandInputs.addDropDownCommandInput", fsim::FaultMode::Once);
  open(session);
  EXPECT_FALSE(choice.list);
  EXPECT_TRUE(session.inputs().empty());
}

}  // namespace

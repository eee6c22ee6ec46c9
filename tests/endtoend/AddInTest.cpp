#include "AddInTest.h"

using vintrel::dialog::kMaxTValueInputId;
using vintrel::dialog::kXFunctionInputId;
using vintrel::dialog::kYFunctionInputId;
using vintrel::dialog::kZFunctionInputId;

HeldReferences heldBetweenEvents(bool previewShown) {
  return {{"adsk::core::Application", previewShown ? 2 : 1}, {"adsk::core::UserInterface", 1}};
}

HeldReferences heldReferences(const fsim::HostSession& host) {
  HeldReferences references;
  for (const fsim::HeldObject& object : host.heldObjects()) {
    references[object.type] += object.references;
  }
  return references;
}

HeldReferences AddInTest::held() const { return heldReferences(host); }

void AddInTest::TearDown() {
  addIn.unload();
  expectNothingHeld();
}

std::vector<fsim::GraphicsGroupInfo> previewGroupsOf(const fsim::HostSession& host) {
  std::vector<fsim::GraphicsGroupInfo> groups;
  for (const fsim::GraphicsGroupInfo& group : host.graphicsGroups()) {
    if (group.id == kCurvePreviewGroupId) groups.push_back(group);
  }
  return groups;
}

std::vector<fsim::GraphicsGroupInfo> AddInTest::previewGroups() const {
  return previewGroupsOf(host);
}

fsim::InputInfo AddInTest::input(const std::string& id) const {
  for (const fsim::InputInfo& info : host.inputs()) {
    if (info.id == id) return info;
  }
  ADD_FAILURE() << "no input " << id;
  return {};
}

void AddInTest::startAndOpenDialog() {
  ASSERT_TRUE(addIn.run(""));
  click();
  ASSERT_TRUE(host.dialogOpen());
}

void AddInTest::enterStraightSegment() {
  host.setInputText(kXFunctionInputId, "t");
  host.setInputText(kYFunctionInputId, "0");
  host.setInputText(kZFunctionInputId, "0");
  host.setInputValue(kMaxTValueInputId, 1.0);
}

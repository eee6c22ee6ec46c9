// Every host operation in turn refuses (null or false on every call) while the add-in is run,
// clicked, previewed, confirmed and stopped. Whatever fails, nothing may crash, and once the host
// answers again a stop must succeed and leave no reference held.
#include <algorithm>
#include <cctype>
#include <string>

#include "AddInTest.h"

namespace {

class FaultInjection : public AddInTest, public ::testing::WithParamInterface<std::string> {
 protected:
  void playTheWholeLife() {
    addIn.run("false");
    if (!host.hasControl(kWorkspaceId, kPanelId, kCommandId)) return;
    click();
    if (!host.dialogOpen()) return;
    edit("xFunctionInput_", "t");
    if (hasInput("maxTValueInput_")) host.setInputValue("maxTValueInput_", 2.0);
    host.confirm();
    click();
    if (!host.dialogOpen()) return;
    edit("yFunctionInput_", "cos(");
    host.cancel();
  }

  // An input the dialog could not create cannot be edited.
  bool hasInput(const std::string& id) const {
    const auto inputs = host.inputs();
    return std::any_of(inputs.begin(), inputs.end(),
                       [&](const fsim::InputInfo& input) { return input.id == id; });
  }
  void edit(const std::string& id, const std::string& text) {
    if (hasInput(id)) host.setInputText(id, text);
  }
};

TEST_P(FaultInjection, NothingCrashesAndNothingLeaks) {
  host.failOperation(GetParam(), fsim::FaultMode::Always);
  playTheWholeLife();
  if (host.dialogOpen()) host.cancel();
  addIn.stop("");
  host.clearFaults();
  EXPECT_TRUE(addIn.stop(""));
  expectNothingHeld();
  addIn.unload();
  expectNothingHeld();
}

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
      '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, FaultInjection,
                         ::testing::ValuesIn(fsim::HostSession::operationNames()), testName);

}  // namespace

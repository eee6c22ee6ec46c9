// The fixture of the add-in's end-to-end tests: a simulated host with the built add-in library
// loaded into it by dlopen, as Fusion 360 loads it, plus the user's moves and the checks of what
// the add-in holds between events. Every test gets a fresh host and a freshly loaded library.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "dialog/CommandTexts.h"
#include "graphics/CurvePreview.h"
#include "host/driver/HostSession.h"

/// Host object type -> references that the add-in holds on objects of that type.
using HeldReferences = std::map<std::string, int>;

/// What the add-in may hold between events while it runs: the application (twice while a preview
/// is shown: once more in the preview's manager) and the user interface.
HeldReferences heldBetweenEvents(bool previewShown);

/// The root component's groups with the preview's ID, in collection order.
std::vector<fsim::GraphicsGroupInfo> previewGroupsOf(const fsim::HostSession& host);

/// The references that Ptrs outside the host hold, by type, summed.
HeldReferences heldReferences(const fsim::HostSession& host);

class AddInTest : public ::testing::Test {
 protected:
  /// Unloads the library, whatever the test left behind: its teardown must let go of every host
  /// object.
  void TearDown() override;

  HeldReferences held() const;
  /// The root component's groups with the preview's ID.
  std::vector<fsim::GraphicsGroupInfo> previewGroups() const;
  std::string status() const { return host.textBoxText(vintrel::dialog::kStatusDisplayId); }
  /// The open dialog's input with that ID; fails the test (and gives an empty input) when there
  /// is none.
  fsim::InputInfo input(const std::string& id) const;

  /// run("") and a click on the button: the dialog opens with its first preview.
  void startAndOpenDialog();
  void click() {
    host.click(vintrel::dialog::kWorkspaceId, vintrel::dialog::kPanelId,
               vintrel::dialog::kCommandId);
  }
  /// x "t", y "0", z "0", t 0 to 1: the straight segment.
  void enterStraightSegment();

  /// Between events: application, user interface and, with a preview, its manager's application.
  void expectHeldBetweenEvents(bool previewShown) const {
    EXPECT_EQ(held(), heldBetweenEvents(previewShown));
  }
  void expectNothingHeld() const { EXPECT_EQ(held(), HeldReferences()); }

  // Declared in this order so that the library is unloaded while its host still exists.
  fsim::HostSession host;
  fsim::AddInLibrary addIn{VINTREL_ADDIN_PATH};
};

// A real add-in library (the tiny test add-in) loaded with dlopen and driven through run, click,
// preview, OK and stop, with every outside reference accounted for; unloading really unloads it.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <stdexcept>

#include "host/driver/HostSession.h"

namespace {

const char* const kWorkspace = "FusionSolidEnvironment";
const char* const kPanel = "SketchPanel";
const char* const kButton = "fsimTestButton";

std::vector<std::pair<std::string, int>> held(const fsim::HostSession& session) {
  std::vector<std::pair<std::string, int>> out;
  for (const auto& object : session.heldObjects()) out.emplace_back(object.type, object.references);
  return out;
}

const std::vector<std::pair<std::string, int>> kAppAndUi = {{"adsk::core::Application", 1},
                                                            {"adsk::core::UserInterface", 1}};

bool stillMapped(const char* path) {
  void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
  if (handle) dlclose(handle);
  return handle != nullptr;
}

TEST(AddInLibrary, MissingLibraryThrowsWithTheLoaderText) {
  try {
    fsim::AddInLibrary library("/nonexistent/addin.so");
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/addin.so"), std::string::npos);
  }
}

TEST(AddInLibrary, RunClickPreviewOkStop) {
  fsim::HostSession session;
  fsim::AddInLibrary addIn(TEST_ADDIN_PATH);
  ASSERT_TRUE(addIn.run(R"({"IsApplicationStartup":true})"));
  EXPECT_TRUE(session.hasControl(kWorkspace, kPanel, kButton));
  EXPECT_TRUE(session.messageBoxes().empty());  // start-up context: no message
  EXPECT_EQ(held(session), kAppAndUi);

  session.click(kWorkspace, kPanel, kButton);
  EXPECT_EQ(session.helpFile(), "help.html");
  EXPECT_EQ(session.textBoxText("status_"), "preview 3");
  ASSERT_EQ(session.graphicsGroups().size(), 1u);
  EXPECT_EQ(held(session), kAppAndUi);  // between events: nothing else

  session.setInputValue("size_", 5);
  const auto groups = session.graphicsGroups();
  ASSERT_EQ(groups.size(), 1u);  // the old preview was replaced
  EXPECT_EQ(groups[0].id, "fsimTestGraphics");
  ASSERT_EQ(groups[0].curves.size(), 1u);
  EXPECT_EQ(groups[0].curves[0].curve.controlPoints[1][0], 5.0);
  EXPECT_EQ(groups[0].curves[0].color, (std::array<int, 4>{255, 0, 0, 255}));
  EXPECT_FALSE(groups[0].curves[0].selectable);
  EXPECT_EQ(session.viewportRefreshes(), 2);
  EXPECT_EQ(held(session), kAppAndUi);

  session.confirm();
  EXPECT_TRUE(session.graphicsGroups().empty());  // destroy removed the preview
  const auto sketches = session.sketches();
  ASSERT_EQ(sketches.size(), 1u);
  EXPECT_EQ(sketches[0].name, "Sketch1");
  ASSERT_EQ(sketches[0].splines.size(), 1u);
  EXPECT_EQ(sketches[0].splines[0].controlPoints[1][0], 5.0);
  EXPECT_EQ(held(session), kAppAndUi);

  ASSERT_TRUE(addIn.stop(R"({"IsApplicationClosing":false})"));
  EXPECT_TRUE(session.heldObjects().empty());
  EXPECT_FALSE(session.hasControl(kWorkspace, kPanel, kButton));
  EXPECT_FALSE(session.hasCommandDefinition(kButton));
  EXPECT_TRUE(session.handlerErrors().empty());

  const fsim::HostAllocations counts = fsim::HostSession::allocations();
  EXPECT_EQ(counts.strings, counts.stringsFreed);
}

TEST(AddInLibrary, UserStartShowsAMessage) {
  fsim::HostSession session;
  fsim::AddInLibrary addIn(TEST_ADDIN_PATH);
  ASSERT_TRUE(addIn.run(R"({"IsApplicationStartup":false})"));
  ASSERT_EQ(session.messageBoxes().size(), 1u);
  EXPECT_EQ(session.messageBoxes()[0].text, "Test add-in started");
  EXPECT_TRUE(addIn.stop("{}"));
}

TEST(AddInLibrary, InjectedFaultReachesTheAddIn) {
  fsim::HostSession session;
  fsim::AddInLibrary addIn(TEST_ADDIN_PATH);
  ASSERT_TRUE(addIn.run("{}"));
  session.failOperation("CustomGraphicsGroups.add", fsim::FaultMode::Always);
  session.click(kWorkspace, kPanel, kButton);
  EXPECT_EQ(session.textBoxText("status_"), "preview failed");
  EXPECT_TRUE(session.graphicsGroups().empty());
  EXPECT_EQ(held(session), kAppAndUi);  // the failure path released everything too
  session.cancel();
  EXPECT_TRUE(addIn.stop("{}"));
  EXPECT_TRUE(session.heldObjects().empty());
}

TEST(AddInLibrary, FailingLookupMakesRunFail) {
  fsim::HostSession session;
  session.removePanel(kWorkspace, kPanel);
  fsim::AddInLibrary addIn(TEST_ADDIN_PATH);
  EXPECT_FALSE(addIn.run("{}"));
  ASSERT_EQ(session.messageBoxes().size(), 1u);
  EXPECT_EQ(session.messageBoxes()[0].text, "run failed");
  EXPECT_FALSE(addIn.stop("{}"));  // the panel is still missing
  EXPECT_EQ(held(session), kAppAndUi);
  addIn.unload();
  EXPECT_TRUE(session.heldObjects().empty());
}

// Each operation failing throughout a whole session: the host never crashes, and once the add-in
// is unloaded no reference is left, whatever path its failures took.
TEST(AddInLibrary, SurvivesEveryOperationFailing) {
  for (const std::string& operation : fsim::HostSession::operationNames()) {
    fsim::HostSession session;
    session.failOperation(operation, fsim::FaultMode::Always);
    fsim::AddInLibrary addIn(TEST_ADDIN_PATH);
    addIn.run(R"({"IsApplicationStartup":false})");
    if (session.hasControl(kWorkspace, kPanel, kButton)) {
      session.click(kWorkspace, kPanel, kButton);
      if (session.dialogOpen()) {
        for (const fsim::InputInfo& input : session.inputs()) {
          if (input.id == "size_" && input.type == "ValueCommandInput") {
            session.setInputValue("size_", 4);
          }
        }
        session.confirm();
      }
    }
    addIn.stop("{}");
    addIn.unload();
    EXPECT_TRUE(session.heldObjects().empty()) << operation;
  }
}

TEST(AddInLibrary, UnloadRunsStaticDestructorsAndDetachesHandlers) {
  fsim::HostSession session;
  fsim::AddInLibrary addIn(TEST_ADDIN_PATH);
  ASSERT_TRUE(addIn.run("{}"));
  EXPECT_EQ(session.handlerCount(std::string("commandCreated:") + kButton), 1u);
  addIn.unload();  // without stop: the library's globals go with it
  EXPECT_FALSE(addIn.loaded());
  EXPECT_FALSE(stillMapped(TEST_ADDIN_PATH));
  EXPECT_EQ(session.handlerCount(std::string("commandCreated:") + kButton), 0u);
  EXPECT_TRUE(session.heldObjects().empty());  // its Ptr globals released their references
  EXPECT_THROW(addIn.run("{}"), std::logic_error);
  addIn.unload();  // idempotent
}

}  // namespace

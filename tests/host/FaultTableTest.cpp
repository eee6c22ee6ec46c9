// Fault injection by operation name: once at the Nth call, from the Nth call on, or always,
// counted from the moment the fault is set; unknown names are refused. Also what a fault sweep
// reads besides: every operation's call count, and exceptions of other types leaving a handler.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;

// Which of five calls to Application.activeProduct answer null.
std::vector<bool> failuresOfFiveCalls() {
  Ptr<Application> app = Application::get();
  std::vector<bool> failed;
  for (int i = 0; i < 5; ++i) failed.push_back(!app->activeProduct());
  return failed;
}

TEST(FaultTable, ModesPickTheFailingCalls) {
  struct Case {
    fsim::FaultMode mode;
    int call;
    std::vector<bool> failed;
  };
  const Case cases[] = {
      {fsim::FaultMode::Once, 2, {false, true, false, false, false}},
      {fsim::FaultMode::FromCall, 4, {false, false, false, true, true}},
      {fsim::FaultMode::Always, 1, {true, true, true, true, true}},
  };
  for (const Case& c : cases) {
    fsim::HostSession session;
    Ptr<Application> app = Application::get();
    app->activeProduct();  // calls before the fault is set do not count
    session.failOperation("Application.activeProduct", c.mode, c.call);
    EXPECT_EQ(failuresOfFiveCalls(), c.failed) << "call " << c.call;
    session.clearFaults();
    EXPECT_TRUE(app->activeProduct());
  }
}

TEST(FaultTable, FaultAffectsOnlyItsOperation) {
  fsim::HostSession session;
  session.failOperation("Sketches.add", fsim::FaultMode::Always);
  Ptr<Application> app = Application::get();
  Ptr<adsk::fusion::Design> design = app->activeProduct();
  Ptr<adsk::fusion::Component> root = design->rootComponent();
  ASSERT_TRUE(root);
  EXPECT_FALSE(root->sketches()->add(root->xYConstructionPlane()));
  EXPECT_TRUE(session.sketches().empty());
}

TEST(FaultTable, UnknownNamesAndBadCallNumbersAreRefused) {
  fsim::HostSession session;
  EXPECT_THROW(session.failOperation("Application.nothing", fsim::FaultMode::Always),
               std::invalid_argument);
  EXPECT_THROW(session.failOperation("Application.get", fsim::FaultMode::Once, 0),
               std::invalid_argument);
}

TEST(FaultTable, NamesAreSortedUniqueAndIncludeTheAddInsOperations) {
  const std::vector<std::string> names = fsim::HostSession::operationNames();
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
  for (const char* name :
       {"Application.activeProduct", "Component.customGraphicsGroups", "CustomGraphicsGroups.add",
        "Sketches.add", "NurbsCurve3D.createNonRational", "CommandInputs.itemById",
        "UserInterface.workspaces", "Application.get", "Viewport.refresh"}) {
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), name)) << name;
  }
}

TEST(FaultTable, StaticCreatorsFailToo) {
  fsim::HostSession session;
  session.failOperation("Application.get", fsim::FaultMode::Once);
  EXPECT_FALSE(Application::get());
  EXPECT_TRUE(Application::get());
  session.failOperation("Color.create", fsim::FaultMode::Always);
  EXPECT_FALSE(Color::create(1, 2, 3, 4));
}

// A sweep learns from these counts which operations one user move calls, so every call counts,
// faulted or not, and a reset starts the next move from zero.
TEST(FaultTable, CountsEveryCallOfEveryOperation) {
  fsim::HostSession session;
  Ptr<Application> app = Application::get();
  app->activeProduct();
  EXPECT_EQ(session.operationCalls(),
            (std::map<std::string, int>{{"Application.activeProduct", 1}, {"Application.get", 1}}));

  session.resetOperationCalls();
  EXPECT_TRUE(session.operationCalls().empty());
  session.failOperation("Application.activeProduct", fsim::FaultMode::Once);
  failuresOfFiveCalls();
  EXPECT_EQ(session.operationCalls(),
            (std::map<std::string, int>{{"Application.activeProduct", 5}, {"Application.get", 1}}));
}

// Throws what `raise` throws on every click.
class ThrowingCommand : public CommandCreatedEventHandler {
 public:
  ThrowingCommand(const std::string& id, std::function<void()> raise) : raise_(std::move(raise)) {
    Ptr<UserInterface> ui = Application::get()->userInterface();
    Ptr<CommandDefinition> definition = ui->commandDefinitions()->addButtonDefinition(id, id, "");
    definition->commandCreated()->add(this);
    ui->workspaces()
        ->itemById("FusionSolidEnvironment")
        ->toolbarPanels()
        ->itemById("SketchPanel")
        ->controls()
        ->addCommand(definition);
  }
  void notify(const Ptr<CommandCreatedEventArgs>&) override { raise_(); }

 private:
  std::function<void()> raise_;
};

TEST(FaultTable, HandlerExceptionsOfOtherTypesAreCountedApart) {
  fsim::HostSession session;
  ThrowingCommand standard("standard", [] { throw std::runtime_error("refused"); });
  ThrowingCommand other("other", [] { throw 42; });
  session.click("FusionSolidEnvironment", "SketchPanel", "standard");
  EXPECT_EQ(session.nonStandardHandlerErrors(), 0);
  session.click("FusionSolidEnvironment", "SketchPanel", "other");
  EXPECT_EQ(session.handlerErrors().size(), 2u);
  EXPECT_EQ(session.nonStandardHandlerErrors(), 1);
}

}  // namespace

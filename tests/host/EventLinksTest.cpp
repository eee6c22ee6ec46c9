// Handlers attached to host events: every attached handler is notified, a handler is attached
// once per event, and a destroyed handler is detached from every event it was added to.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>

#include <memory>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;

class CountingCreatedHandler : public CommandCreatedEventHandler {
 public:
  void notify(const Ptr<CommandCreatedEventArgs>& eventArgs) override {
    ++calls;
    hadCommand = static_cast<bool>(eventArgs->command());
  }
  int calls = 0;
  bool hadCommand = false;
};

struct ButtonOnSketchPanel {
  explicit ButtonOnSketchPanel(const std::string& id) {
    Ptr<UserInterface> ui = Application::get()->userInterface();
    definition = ui->commandDefinitions()->addButtonDefinition(id, id, "");
    ui->workspaces()
        ->itemById("FusionSolidEnvironment")
        ->toolbarPanels()
        ->itemById("SketchPanel")
        ->controls()
        ->addCommand(definition);
  }
  Ptr<CommandDefinition> definition;
};

TEST(EventLinks, EveryAttachedHandlerIsNotifiedOnce) {
  fsim::HostSession session;
  ButtonOnSketchPanel button("twoHandlers");
  CountingCreatedHandler first, second;
  Ptr<CommandCreatedEvent> created = button.definition->commandCreated();
  EXPECT_TRUE(created->add(&first));
  EXPECT_TRUE(created->add(&second));
  EXPECT_FALSE(created->add(&first));  // already attached
  EXPECT_EQ(session.handlerCount("commandCreated:twoHandlers"), 2u);

  session.click("FusionSolidEnvironment", "SketchPanel", "twoHandlers");
  EXPECT_EQ(first.calls, 1);
  EXPECT_EQ(second.calls, 1);
  EXPECT_TRUE(first.hadCommand);

  EXPECT_TRUE(created->remove(&second));
  EXPECT_FALSE(created->remove(&second));
  session.click("FusionSolidEnvironment", "SketchPanel", "twoHandlers");
  EXPECT_EQ(first.calls, 2);
  EXPECT_EQ(second.calls, 1);
}

TEST(EventLinks, DestroyedHandlerIsDetachedEverywhere) {
  fsim::HostSession session;
  ButtonOnSketchPanel a("buttonA"), b("buttonB");
  auto handler = std::make_unique<CountingCreatedHandler>();
  a.definition->commandCreated()->add(handler.get());
  b.definition->commandCreated()->add(handler.get());
  handler.reset();
  EXPECT_EQ(session.handlerCount("commandCreated:buttonA"), 0u);
  EXPECT_EQ(session.handlerCount("commandCreated:buttonB"), 0u);
  session.click("FusionSolidEnvironment", "SketchPanel", "buttonA");  // must not call it
  EXPECT_TRUE(session.dialogOpen());
}

TEST(EventLinks, HandlerOutlivingItsEventDetachesSafely) {
  CountingCreatedHandler handler;
  {
    fsim::HostSession session;
    ButtonOnSketchPanel button("shortLived");
    button.definition->commandCreated()->add(&handler);
    EXPECT_TRUE(button.definition->deleteMe());
  }
  // The handler's destructor runs after its event is gone; nothing is left to detach.
}

TEST(EventLinks, ExceptionsLeavingHandlersAreRecorded) {
  struct Throwing : CommandCreatedEventHandler {
    void notify(const Ptr<CommandCreatedEventArgs>&) override { throw std::runtime_error("boom"); }
  } throwing;
  CountingCreatedHandler after;
  fsim::HostSession session;
  ButtonOnSketchPanel button("throws");
  button.definition->commandCreated()->add(&throwing);
  button.definition->commandCreated()->add(&after);
  session.click("FusionSolidEnvironment", "SketchPanel", "throws");
  EXPECT_EQ(session.handlerErrors(), std::vector<std::string>{"boom"});
  EXPECT_EQ(after.calls, 1);  // the host carries on with the next handler
}

}  // namespace

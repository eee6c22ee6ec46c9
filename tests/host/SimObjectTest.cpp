// Casts and outside reference counts on real simulated host objects: a Ptr adds exactly one
// reference, casts query the API chain, and a deleted object lives on, invalid, while held.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <stdexcept>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;
using adsk::fusion::Design;
using adsk::fusion::Sketch;

int heldCount(const fsim::HostSession& session, const std::string& type) {
  int references = 0;
  for (const auto& held : session.heldObjects()) {
    if (held.type == type) references += held.references;
  }
  return references;
}

TEST(SimObject, PtrCopiesCountOutsideReferences) {
  fsim::HostSession session;
  EXPECT_TRUE(session.heldObjects().empty());
  {
    Ptr<Application> app = Application::get();
    ASSERT_TRUE(app);
    EXPECT_EQ(app->refcount(), 1);
    Ptr<Application> copy = app;
    EXPECT_EQ(app->refcount(), 2);
    EXPECT_EQ(heldCount(session, "adsk::core::Application"), 2);
  }
  EXPECT_TRUE(session.heldObjects().empty());
}

TEST(SimObject, CastsQueryTheInterfaceChain) {
  fsim::HostSession session;
  Ptr<Application> app = Application::get();
  Ptr<Product> product = app->activeProduct();
  Ptr<Design> design = product;
  ASSERT_TRUE(design);
  EXPECT_STREQ(design->objectType(), "adsk::fusion::Design");
  EXPECT_EQ(static_cast<void*>(design.get()), static_cast<void*>(product.get()));
  EXPECT_EQ(design->refcount(), 2);  // the cast added its own reference

  Ptr<Base> base = design;
  EXPECT_TRUE(base);
  Ptr<Sketch> notASketch = product;
  EXPECT_FALSE(notASketch);
  EXPECT_EQ(design->refcount(), 3);  // design, product, base; the failed cast added none
}

TEST(SimObject, OtherProductIsNoDesign) {
  fsim::HostSession session;
  session.setActiveProduct(fsim::ActiveProduct::OtherProduct);
  Ptr<Product> product = Application::get()->activeProduct();
  ASSERT_TRUE(product);
  EXPECT_FALSE(Ptr<Design>(product));
  session.setActiveProduct(fsim::ActiveProduct::None);
  EXPECT_FALSE(Application::get()->activeProduct());
}

TEST(SimObject, DeletedObjectStaysAliveButInvalidWhileHeld) {
  fsim::HostSession session;
  Ptr<CommandDefinitions> definitions = Application::get()->userInterface()->commandDefinitions();
  Ptr<CommandDefinition> definition = definitions->addButtonDefinition("held", "Held", "");
  ASSERT_TRUE(definition->deleteMe());
  EXPECT_FALSE(definition->isValid());
  EXPECT_EQ(definition->name(), "");  // operations on it fail
  EXPECT_FALSE(definition->commandCreated());
  EXPECT_FALSE(session.hasCommandDefinition("held"));
  EXPECT_EQ(heldCount(session, "adsk::core::CommandDefinition"), 1);
  definition = nullptr;
  EXPECT_EQ(heldCount(session, "adsk::core::CommandDefinition"), 0);
}

TEST(SimObject, ReleasingAReferenceNobodyHoldsAborts) {
  fsim::HostSession session;
  Application* app = Application::get().detach();
  app->release();  // gives back the one reference: fine
  EXPECT_DEATH(app->release(), "holds no outside reference");
}

TEST(SimObject, SessionEndInvalidatesWhatIsStillHeld) {
  Ptr<Application> app;
  {
    fsim::HostSession session;
    app = Application::get();
    EXPECT_TRUE(app->isValid());
  }
  EXPECT_FALSE(app->isValid());
  EXPECT_FALSE(app->userInterface());
  EXPECT_FALSE(Application::get());  // no session
}

TEST(SimObject, OnlyOneSessionAtATime) {
  fsim::HostSession session;
  EXPECT_THROW(fsim::HostSession second, std::logic_error);
  EXPECT_TRUE(Application::get());
}

}  // namespace

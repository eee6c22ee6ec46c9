// The inline wrappers' handling of object results, checked on Application with fake host
// objects: results are adopted as handed out, casts to the Fusion types go through the whole
// interface chain, and a null result stays null.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include "CountedFake.h"

namespace {

using adsk::core::Application;
using adsk::core::Base;
using adsk::core::Product;
using adsk::core::Ptr;
using adsk::fusion::Component;
using adsk::fusion::Design;
using adsk::fusion::Sketch;
using hosttest::CountedFake;

class FakeDesign : public CountedFake<Design> {
  char* productType_raw() const override { return nullptr; }
  adsk::core::Document* parentDocument_raw() const override { return nullptr; }
  adsk::core::UnitsManager* unitsManager_raw() const override { return nullptr; }
  adsk::core::Attribute** findAttributes_raw(const char*, const char*,
                                             size_t& size) const override {
    size = 0;
    return nullptr;
  }
  adsk::core::Attributes* attributes_raw() const override { return nullptr; }
  Component* rootComponent_raw() const override { return nullptr; }
  adsk::fusion::UserParameters* userParameters_raw() const override { return nullptr; }
  adsk::fusion::ParameterList* allParameters_raw() const override { return nullptr; }
  adsk::fusion::FusionUnitsManager* fusionUnitsManager_raw() const override { return nullptr; }
};

// Answers activeProduct with the design, or with null when there is none.
class FakeApplication : public CountedFake<Application> {
 public:
  FakeDesign* design = nullptr;

 private:
  adsk::core::UserInterface* userInterface_raw() const override { return nullptr; }
  Product* activeProduct_raw() const override {
    return design ? design->handOut<Product>() : nullptr;
  }
  Base* activeEditObject_raw() const override { return design ? design->handOut<Base>() : nullptr; }
  adsk::core::Viewport* activeViewport_raw() const override { return nullptr; }
  int getLastError_raw(char**) const override { return 0; }
};

TEST(Application, ObjectResultsAreAdoptedAndReleased) {
  FakeDesign design;
  FakeApplication app;
  app.design = &design;
  {
    Ptr<Application> application(&app, false);
    Ptr<Product> product = application->activeProduct();
    EXPECT_EQ(design.references, 1);  // the one reference the host handed out
    Ptr<Design> asDesign = application->activeProduct();
    EXPECT_EQ(asDesign.get(), &design);
    // The second result was adopted and released again; the cast holds one of its own.
    EXPECT_EQ(design.references, 2);
    EXPECT_STREQ(asDesign->objectType(), "adsk::fusion::Design");
  }
  EXPECT_EQ(design.references, 0);
  EXPECT_EQ(app.references, 0);
}

TEST(Application, CastsFollowTheInterfaceChain) {
  FakeDesign design;
  FakeApplication app;
  app.design = &design;
  Ptr<Application> application(&app, false);
  Ptr<Base> edited = application->activeEditObject();
  // A design is a Product and a Base, but not a Sketch: the add-in's test for "no sketch in edit".
  EXPECT_TRUE(Ptr<Product>(edited));
  EXPECT_TRUE(edited->cast<Design>());
  EXPECT_FALSE(Ptr<Sketch>(edited));
  EXPECT_FALSE(edited->cast<Application>());
  EXPECT_EQ(design.references, 1);
}

TEST(Application, NullResultStaysNullThroughCasts) {
  FakeApplication app;
  Ptr<Application> application(&app, false);
  Ptr<Design> design = application->activeProduct();
  EXPECT_FALSE(design);
  EXPECT_THROW(design->rootComponent(), std::exception);
}

}  // namespace

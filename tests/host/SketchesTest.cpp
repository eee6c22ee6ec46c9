// Object arguments of the inline wrappers, checked on Sketches::add with fake host objects: the
// host receives the raw address, converted to the parameter's interface, and no reference
// outlives the call.
#include <gtest/gtest.h>

#include <Fusion/FusionAll.h>

#include "CountedFake.h"

namespace {

using adsk::core::Base;
using adsk::core::Ptr;
using adsk::fusion::ConstructionPlane;
using adsk::fusion::Occurrence;
using adsk::fusion::Sketch;
using adsk::fusion::Sketches;
using hosttest::CountedFake;

class FakePlane : public CountedFake<ConstructionPlane> {
  adsk::core::Plane* geometry_raw() const override { return nullptr; }
  char* name_raw() const override { return nullptr; }
};

// Records what add() received; creates no sketch.
class FakeSketches : public CountedFake<Sketches> {
 public:
  Base* receivedPlane = nullptr;
  Occurrence* receivedOccurrence = reinterpret_cast<Occurrence*>(this);
  int planeReferencesDuringCall = 0;

 private:
  Sketch* add_raw(Base* planarEntity, Occurrence* occurrenceForCreation) override {
    receivedPlane = planarEntity;
    receivedOccurrence = occurrenceForCreation;
    planeReferencesDuringCall = planarEntity ? planarEntity->refcount() : -1;
    return nullptr;
  }
  Sketch* item_raw(size_t) const override { return nullptr; }
  Sketch* itemByName_raw(const char*) const override { return nullptr; }
  size_t count_raw() const override { return 0; }
};

TEST(Sketches, AddPassesThePlaneAsBaseWithoutKeepingAReference) {
  FakePlane plane;
  FakeSketches sketches;
  Ptr<ConstructionPlane> held(&plane, false);
  Ptr<Sketches> collection(&sketches, false);
  Ptr<Sketch> sketch = collection->add(held);  // implicit cast to Ptr<Base>, default occurrence
  EXPECT_FALSE(sketch);
  EXPECT_EQ(sketches.receivedPlane, static_cast<Base*>(&plane));
  EXPECT_EQ(sketches.receivedOccurrence, nullptr);
  EXPECT_EQ(sketches.planeReferencesDuringCall, 2);  // ours plus the cast's temporary
  EXPECT_EQ(plane.references, 1);
}

TEST(Sketches, NullPlaneReachesTheHostAsNull) {
  FakeSketches sketches;
  Ptr<Sketches> collection(&sketches, false);
  collection->add(Ptr<ConstructionPlane>());
  EXPECT_EQ(sketches.receivedPlane, nullptr);
  EXPECT_EQ(sketches.planeReferencesDuringCall, -1);
}

}  // namespace

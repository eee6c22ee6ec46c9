// Attributes on splines, found again through the design, and the user's selection, as an add-in
// reaches them through the API.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <string>
#include <vector>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;
using namespace adsk::fusion;

fsim::NurbsData segment(double length) {
  return {1, false, false, {{0, 0, 0}, {length, 0, 0}}, {0, 0, 1, 1}};
}

Ptr<Design> design() { return Application::get()->activeProduct(); }

Ptr<SketchFixedSpline> selectedSpline() {
  Ptr<Selections> selections = Application::get()->userInterface()->activeSelections();
  if (!selections || selections->count() != 1) return nullptr;
  return selections->item(0)->entity();
}

TEST(SimAttributes, KeptOnSplinesAndFoundThroughTheDesign) {
  fsim::HostSession session;
  const std::string sketch = session.addSketch(fsim::SketchPlane::XZ);
  session.addSpline(sketch, segment(1));
  session.addSpline(sketch, segment(2));
  session.setSplineAttribute(sketch, 1, {"Vintrel", "definition", "{}"});
  {
    session.selectSpline(sketch, 1);
    Ptr<SketchFixedSpline> spline = selectedSpline();
    ASSERT_TRUE(spline);
    EXPECT_EQ(spline->parentSketch()->name(), sketch);
    EXPECT_TRUE(spline->isLinked());
    Ptr<Attributes> attributes = spline->attributes();
    ASSERT_EQ(attributes->count(), 1u);
    EXPECT_EQ(attributes->itemByName("Vintrel", "definition")->value(), "{}");
    EXPECT_FALSE(attributes->itemByName("vintrel", "definition"));
    // add on an existing group and name updates it; a value over 2 MB is refused.
    EXPECT_EQ(attributes->add("Vintrel", "definition", "{\"a\":1}")->value(), "{\"a\":1}");
    EXPECT_FALSE(attributes->add("Vintrel", "big", std::string(2097153, 'x')));
    EXPECT_EQ(attributes->count(), 1u);

    std::vector<Ptr<Attribute>> found = design()->findAttributes("Vintrel", "");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->name(), "definition");
    Ptr<SketchFixedSpline> parent = found[0]->parent();
    ASSERT_TRUE(parent);
    EXPECT_EQ(parent->geometry()->controlPoints()[1]->x(), 2.0);
    EXPECT_EQ(design()->findAttributes("Vintrel", "re:def.*").size(), 1u);
    EXPECT_TRUE(design()->findAttributes("Vintrel", "def").empty());
    EXPECT_TRUE(design()->findAttributes("Other", "").empty());

    // The same spline object keeps its attributes when its geometry is replaced.
    const std::vector<Ptr<Point3D>> ends{Point3D::create(0, 0, 0), Point3D::create(5, 0, 0)};
    ASSERT_TRUE(
        spline->replaceGeometry(NurbsCurve3D::createNonRational(ends, 1, {0, 0, 1, 1}, false)));
  }
  const fsim::SketchInfo info = session.sketches()[0];
  ASSERT_EQ(info.splines.size(), 2u);
  EXPECT_EQ(info.splines[1].controlPoints[1][0], 5.0);
  EXPECT_TRUE(info.splineAttributes[0].empty());
  ASSERT_EQ(info.splineAttributes[1].size(), 1u);
  EXPECT_EQ(info.splineAttributes[1][0].value, "{\"a\":1}");
  EXPECT_EQ(info.splineLinked, (std::vector<bool>{true, true}));
  EXPECT_TRUE(session.heldObjects().empty());
}

TEST(SimAttributes, TheSelectionHoldsWhatTheUserPicked) {
  fsim::HostSession session;
  const std::string sketch = session.addSketch(fsim::SketchPlane::XY);
  session.addSpline(sketch, segment(1));
  EXPECT_EQ(Application::get()->userInterface()->activeSelections()->count(), 0u);
  session.selectSpline(sketch, 0);
  EXPECT_EQ(session.selectionCount(), 1u);
  EXPECT_TRUE(selectedSpline());
  session.selectSketch(sketch);
  EXPECT_FALSE(selectedSpline());  // a sketch is no spline: the cast gives null
  session.breakSplineLink(sketch, 0);
  session.selectSpline(sketch, 0);
  EXPECT_FALSE(selectedSpline()->isLinked());
  session.clearSelection();
  EXPECT_EQ(session.selectionCount(), 0u);
  EXPECT_THROW(session.selectSpline(sketch, 1), std::invalid_argument);
  EXPECT_THROW(session.selectSpline("Sketch9", 0), std::invalid_argument);
  EXPECT_TRUE(session.heldObjects().empty());
}

}  // namespace

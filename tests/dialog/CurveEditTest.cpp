// The selected curve a dialog opens on, read directly in the simulated host: a formula curve opens
// for editing with its stored inputs, a damaged definition says why it cannot, anything else opens
// a new curve; the formulas' sketch follows what is edited.
#include "dialog/CurveEdit.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "curve/definition/CurveDefinition.h"
#include "curve/definition/DefinitionAttribute.h"
#include "host/driver/HostSession.h"

using vintrel::curve::CurveRequest;
using vintrel::curve::writeCurveDefinition;

using adsk::core::Application;
using adsk::core::Ptr;
using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kDefinitionName;
using vintrel::dialog::CurveEdit;
using vintrel::dialog::formulaSketch;
using vintrel::dialog::OpenedCurve;
using vintrel::dialog::openSelectedCurve;

namespace {

const fsim::NurbsData kSegment{
    3, false, false, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}, {0, 0, 0, 0, 1, 1, 1, 1}};
const CurveRequest kStored{0.5, 2.0, "r * t", "0", "t * t"};

class CurveEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sketch_ = host.addSketch(fsim::SketchPlane::XZ);
    host.addSpline(sketch_, kSegment);
  }
  void store(const std::string& definition) {
    host.setSplineAttribute(sketch_, 0, {kDefinitionGroup, kDefinitionName, definition});
  }

  fsim::HostSession host;
  Ptr<Application> application = Application::get();
  std::string sketch_;
};

TEST_F(CurveEditTest, AFormulaCurveOpensForEditingWithItsStoredInputs) {
  store(writeCurveDefinition({kStored, {{"r", 2.0}}}));
  host.selectSpline(sketch_, 0);
  const OpenedCurve opened = openSelectedCurve(application);
  ASSERT_TRUE(opened.edit.spline);
  EXPECT_EQ(opened.edit.note, "Editing the selected formula curve: OK replaces it.");
  ASSERT_TRUE(opened.request);
  EXPECT_EQ(opened.request->xExpression, kStored.xExpression);
  EXPECT_EQ(opened.request->zExpression, kStored.zExpression);
  EXPECT_EQ(opened.request->tStart, kStored.tStart);
  EXPECT_EQ(formulaSketch(application, opened.edit)->name(), sketch_);
}

TEST_F(CurveEditTest, ADamagedDefinitionOpensTheDefaultsAndSaysWhy) {
  struct Case {
    std::string value, reason;
  };
  const std::vector<Case> cases = {
      {"not json", "not JSON"},
      {R"({"format":7})", "format 7 is unknown"},
      {R"({"format":1,"y":"0","z":"0","tStart":0,"tEnd":1,"parameters":{}})", "missing \"x\""},
      {R"({"format":1,"x":[],"y":"0","z":"0","tStart":0,"tEnd":1,"parameters":{}})",
       "\"x\" is not a text"},
  };
  host.selectSpline(sketch_, 0);
  for (const Case& c : cases) {
    store(c.value);
    const OpenedCurve opened = openSelectedCurve(application);
    EXPECT_FALSE(opened.edit.spline) << c.value;
    EXPECT_FALSE(opened.request) << c.value;
    EXPECT_EQ(opened.edit.note, "The selected curve's formula cannot be read: " + c.reason +
                                    ". Pressing OK draws a new curve.");
  }
}

TEST_F(CurveEditTest, AnythingElseOpensANewCurveWithoutANote) {
  store(writeCurveDefinition({kStored, {}}));
  host.addSpline(sketch_, kSegment);  // without the attribute: not a formula curve
  const std::vector<std::function<void()>> selections = {
      [&] { host.clearSelection(); },
      [&] { host.selectSketch(sketch_); },
      [&] { host.selectSpline(sketch_, 1); },
      [&] {
        host.breakSplineLink(sketch_, 0);
        host.selectSpline(sketch_, 0);
      },
  };
  for (std::size_t i = 0; i < selections.size(); ++i) {
    selections[i]();
    const OpenedCurve opened = openSelectedCurve(application);
    EXPECT_FALSE(opened.edit.spline) << i;
    EXPECT_EQ(opened.edit.note, "") << i;
    EXPECT_FALSE(opened.request) << i;
  }
  EXPECT_FALSE(openSelectedCurve(nullptr).edit.spline);
}

TEST_F(CurveEditTest, TheFormulasSketchIsTheSketchInEditWithoutAnEditedCurve) {
  EXPECT_FALSE(formulaSketch(application, CurveEdit{}));
  host.editSketch(sketch_);
  EXPECT_EQ(formulaSketch(application, CurveEdit{})->name(), sketch_);
}

}  // namespace

// Formula curves stay editable: OK stores the definition on the spline, clicking Sorvane with
// that spline selected reopens it, and OK replaces the same spline, never half-way.
#include <cmath>
#include <string>
#include <vector>

#include "AddInTest.h"
#include "curve/definition/CurveDefinition.h"
#include "curve/definition/DefinitionAttribute.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::ParameterTable;
using vintrel::curve::readCurveDefinition;

namespace {

using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kDefinitionName;
using vintrel::dialog::kDefaultXFunction;
using vintrel::dialog::kMaxTValueInputId;
using vintrel::dialog::kXFunctionInputId;
using vintrel::dialog::kYFunctionInputId;
using vintrel::dialog::kZFunctionInputId;

constexpr char kEditNote[] = "Editing the selected formula curve: OK replaces it.";

class EditCurve : public AddInTest {
 protected:
  /// A spring of radius r and pitch 2, one turn, created with OK; its sketch's name.
  std::string createSpring(fsim::SketchPlane plane = fsim::SketchPlane::XY) {
    host.addUserParameter("r", 5.0);
    host.addUserParameter("unused", 7.0);
    const std::string sketch = host.addSketch(plane);
    host.editSketch(sketch);
    startAndOpenDialog();
    host.setInputText(kXFunctionInputId, "r * cos(2 * pi * t)");
    host.setInputText(kYFunctionInputId, "r * sin(2 * pi * t)");
    host.setInputText(kZFunctionInputId, "2 * t");
    host.setInputValue(kMaxTValueInputId, 1.0);
    host.confirm();
    host.finishSketchEdit();
    return sketch;
  }
  fsim::SketchInfo sketch(std::size_t index = 0) const { return host.sketches().at(index); }
  std::string storedDefinition() const {
    const std::vector<fsim::AttributeInfo> attributes = sketch().splineAttributes.at(0);
    for (const auto& a : attributes) {
      if (a.group == kDefinitionGroup && a.name == kDefinitionName) return a.value;
    }
    return "";
  }
  std::string inputText(const std::string& id) const {
    for (const auto& input : host.inputs()) {
      if (input.id == id) return input.text;
    }
    return "";
  }
  HeldReferences heldWhileEditing() const {
    HeldReferences held = heldBetweenEvents(true);
    held["adsk::fusion::SketchFixedSpline"] = 1;
    return held;
  }
};

TEST_F(EditCurve, OkStoresTheDefinitionWithTheNamedParameters) {
  createSpring();
  const CurveDefinition stored = readCurveDefinition(storedDefinition());
  EXPECT_EQ(stored.request.xExpression, "r * cos(2 * pi * t)");
  EXPECT_EQ(stored.request.zExpression, "2 * t");
  EXPECT_EQ(stored.request.tStart, 0.0);
  EXPECT_EQ(stored.request.tEnd, 1.0);
  EXPECT_EQ(stored.parameters, (ParameterTable{{"r", 5.0}}));  // "unused" is not named
}

TEST_F(EditCurve, SelectingTheCurveReopensItAndOkReplacesTheSameSpline) {
  const std::string name = createSpring();
  const fsim::NurbsData before = sketch().splines.at(0);
  host.selectSpline(name, 0);
  click();
  EXPECT_EQ(inputText(kXFunctionInputId), "r * cos(2 * pi * t)");
  EXPECT_EQ(inputText(kMaxTValueInputId), "1");
  EXPECT_NE(status().find(kEditNote), std::string::npos) << status();
  EXPECT_NE(status().find(" spline controls"), std::string::npos) << status();
  EXPECT_EQ(held(), heldWhileEditing());

  host.setInputText(kZFunctionInputId, "4 * t");
  host.confirm();
  ASSERT_EQ(host.sketches().size(), 1u);
  ASSERT_EQ(sketch().splines.size(), 1u);
  const fsim::NurbsData after = sketch().splines[0];
  EXPECT_EQ(after.controlPoints.back()[2], 4.0);  // z(1) = 4, the end control is the end sample
  EXPECT_NE(after.controlPoints, before.controlPoints);
  EXPECT_EQ(readCurveDefinition(storedDefinition()).request.zExpression, "4 * t");
  EXPECT_EQ(held(), heldBetweenEvents(false));
  EXPECT_TRUE(host.messageBoxes().empty());
}

// The design remembers the inputs of the last curve made, the segment x = t (in a sketch of its
// own); the spring made before it opens with its own.
TEST_F(EditCurve, ACurveMadeBeforeTheLastOneReopensWithItsOwnInputs) {
  const std::string spring = createSpring();
  click();
  host.setInputText(kXFunctionInputId, "t");
  host.setInputText(kYFunctionInputId, "0");
  host.setInputText(kZFunctionInputId, "0");
  host.confirm();
  ASSERT_EQ(host.sketches().size(), 2u);
  host.selectSpline(spring, 0);
  click();
  EXPECT_EQ(inputText(kXFunctionInputId), "r * cos(2 * pi * t)");
  EXPECT_EQ(inputText(kZFunctionInputId), "2 * t");
  EXPECT_NE(status().find(kEditNote), std::string::npos) << status();
}

// A curve made in millimetres, at its own tolerance and in cylindrical coordinates, in a design
// that displays inches, reopens with all three, not with the design's unit and the defaults; OK
// without a change gives the same spline.
TEST_F(EditCurve, ReopensWithItsOwnUnitToleranceAndCoordinates) {
  host.setDistanceDisplayUnits(fsim::LengthUnitChoice::Millimeter);
  const std::string name = host.addSketch(fsim::SketchPlane::XY);
  host.editSketch(name);
  startAndOpenDialog();
  host.selectDropDownItem("coordinatesInput_", "Cylindrical (\xCF\x81, \xCE\xB8, z)");
  host.setInputText("rhoFunctionInput_", "20");
  host.setInputValue("toleranceValueInput_", 0.005);
  host.confirm();
  host.finishSketchEdit();
  const fsim::NurbsData made = sketch().splines.at(0);
  EXPECT_NEAR(std::hypot(made.controlPoints[0][0], made.controlPoints[0][1]), 2.0, 1e-12);

  host.setDistanceDisplayUnits(fsim::LengthUnitChoice::Inch);
  host.selectSpline(name, 0);
  click();
  EXPECT_EQ(inputText("unitsInput_"), "mm");
  EXPECT_EQ(inputText("toleranceValueInput_"), "0.005");
  EXPECT_EQ(inputText("coordinatesInput_"), "Cylindrical (\xCF\x81, \xCE\xB8, z)");
  EXPECT_EQ(inputText("rhoFunctionInput_"), "20");
  host.confirm();
  EXPECT_EQ(sketch().splines.at(0).controlPoints, made.controlPoints);
  const CurveDefinition stored = readCurveDefinition(storedDefinition());
  EXPECT_EQ(stored.request.unit.name, "mm");
  EXPECT_EQ(stored.request.tolerance, 0.005);
  EXPECT_EQ(stored.request.coordinates, vintrel::curve::Coordinates::Cylindrical);
}

// The curve keeps its own choice of the fewest controls, whatever the last curve made chose: it
// reopens ticked and says so, and OK with the box cleared stores the specified counts.
TEST_F(EditCurve, ReopensWithItsOwnFewestControlsChoice) {
  startAndOpenDialog();
  host.setCheckBox("fewestControlsInput_", true);
  host.confirm();
  const std::string name = sketch().name;
  EXPECT_TRUE(readCurveDefinition(storedDefinition()).request.fewestControls);
  click();  // a second curve, made with the box clear, is the design's last
  host.setCheckBox("fewestControlsInput_", false);
  host.setInputText(kZFunctionInputId, "0");
  host.confirm();
  host.selectSpline(name, 0);
  click();
  EXPECT_EQ(inputText(kZFunctionInputId), "t");
  EXPECT_TRUE(input("fewestControlsInput_").checked);
  EXPECT_NE(status().find(std::string(", fewest\n") + kEditNote), std::string::npos) << status();
  host.setCheckBox("fewestControlsInput_", false);
  host.confirm();
  EXPECT_FALSE(readCurveDefinition(storedDefinition()).request.fewestControls);
}

TEST_F(EditCurve, CancelLeavesTheCurveAsItWas) {
  const std::string name = createSpring();
  const fsim::SketchInfo before = sketch();
  host.selectSpline(name, 0);
  click();
  host.setInputText(kZFunctionInputId, "4 * t");
  host.cancel();
  EXPECT_EQ(sketch().splines.at(0).controlPoints, before.splines.at(0).controlPoints);
  EXPECT_EQ(storedDefinition(), before.splineAttributes.at(0).at(0).value);
  EXPECT_EQ(held(), heldBetweenEvents(false));
}

// The formulas are in the spline's own sketch: the preview lies where the replaced spline does.
TEST_F(EditCurve, ACurveOnAnotherPlaneIsPreviewedWhereItLands) {
  const std::string name = createSpring(fsim::SketchPlane::Tilted);
  host.selectSpline(name, 0);
  click();
  host.setInputText(kZFunctionInputId, "4 * t");
  const fsim::NurbsData previewed = previewGroups().at(0).curves.at(0).curve;
  host.confirm();
  const fsim::NurbsData world = sketch().worldSplines.at(0);
  ASSERT_EQ(previewed.controlPoints.size(), world.controlPoints.size());
  for (std::size_t i = 0; i < world.controlPoints.size(); ++i) {
    for (int c = 0; c < 3; ++c) {
      EXPECT_NEAR(previewed.controlPoints[i][c], world.controlPoints[i][c], 1e-9) << i;
    }
  }
}

// A closed curve reopens as closed, and OK turns it into a long coil in the same spline: the
// circle of radius 5 gets 16 periodic controls, 19 for the host, starting and ending on one
// control point; 40 turns of the coil need 512.
TEST_F(EditCurve, AClosedCurveBecomesALongOneInTheSameSpline) {
  const std::string name = createSpring();
  host.selectSpline(name, 0);
  click();
  host.setInputText(kZFunctionInputId, "0");
  host.confirm();
  const fsim::NurbsData circle = sketch().splines.at(0);
  EXPECT_EQ(circle.controlPoints.size(), 19u);
  EXPECT_EQ(circle.controlPoints.front(), circle.controlPoints.back());

  host.selectSpline(name, 0);
  click();
  EXPECT_EQ(status().rfind("19 spline controls, closed\n", 0), 0u) << status();
  host.setInputText(kXFunctionInputId, "r * cos(2 * pi * 40 * t)");
  host.setInputText(kYFunctionInputId, "r * sin(2 * pi * 40 * t)");
  host.setInputText(kZFunctionInputId, "40 * t");
  EXPECT_EQ(status().rfind("512 spline controls\n", 0), 0u) << status();
  host.confirm();
  ASSERT_EQ(sketch().splines.size(), 1u);
  const fsim::NurbsData coil = sketch().splines.at(0);
  EXPECT_EQ(coil.controlPoints.size(), 512u);
  EXPECT_EQ(coil.controlPoints.back()[2], 40.0);  // z(1) = 40, the end control is the end sample
  EXPECT_EQ(readCurveDefinition(storedDefinition()).request.zExpression, "40 * t");
}

TEST_F(EditCurve, AnythingElseSelectedOpensANewCurve) {
  const std::string name = createSpring();
  host.addSpline(name, {1, false, false, {{0, 0, 0}, {1, 0, 0}}, {0, 0, 1, 1}});  // not ours
  const std::vector<std::function<void()>> selections = {
      [&] { host.clearSelection(); },
      [&] { host.selectSketch(name); },
      [&] { host.selectSpline(name, 1); },
      [&] {
        host.breakSplineLink(name, 0);  // an unlinked spline is not ours to edit
        host.selectSpline(name, 0);
      },
  };
  // A new curve starts from the last one made in the design, the spring.
  for (const auto& select : selections) {
    select();
    click();
    EXPECT_EQ(inputText(kXFunctionInputId), "r * cos(2 * pi * t)");
    EXPECT_EQ(status(), "16 spline controls");
    host.confirm();
  }
  EXPECT_EQ(host.sketches().size(), 1u + selections.size());  // each OK drew a new curve
}

// The reasons a definition cannot be read are openSelectedCurve's (tests/dialog); here the dialog
// shows one, opens as for a new curve (with the last curve's inputs) and changes nothing.
TEST_F(EditCurve, ADamagedDefinitionOpensANewCurveAndSaysWhy) {
  const std::string name = createSpring();
  host.setSplineAttribute(name, 0, {kDefinitionGroup, kDefinitionName, "not json"});
  const fsim::NurbsData before = sketch().splines.at(0);
  host.selectSpline(name, 0);
  click();
  EXPECT_EQ(inputText(kXFunctionInputId), "r * cos(2 * pi * t)");
  EXPECT_NE(status().find(
                "The selected curve's formula cannot be read: not JSON. Pressing OK draws a new "
                "curve."),
            std::string::npos)
      << status();
  host.cancel();
  EXPECT_EQ(sketch().splines.at(0).controlPoints, before.controlPoints);
  EXPECT_EQ(storedDefinition(), "not json");
}

// Stored expressions that fail to parse open as stored and say what is wrong, as any typing error.
TEST_F(EditCurve, AStoredFormulaThatNoLongerWorksShowsItsError) {
  const std::string name = createSpring();
  host.deleteParameter("r");
  host.selectSpline(name, 0);
  click();
  EXPECT_EQ(status().rfind("x(t): ", 0), 0u) << status();
  EXPECT_EQ(status().find(kEditNote), std::string::npos) << status();
  EXPECT_TRUE(previewGroups().empty());
  host.cancel();
}

// Both notes say what OK does to the selected curve, and under an error OK does nothing: the
// error stands alone, and the note comes back with the next count.
TEST_F(EditCurve, AnErrorStandsWithoutTheNoteUntilTheFormulasComputeAgain) {
  const std::string name = createSpring();
  struct Case {
    const char* storedDefinition;  ///< none: the spring's own, which opens it for editing
    std::string note;
  };
  const Case cases[] = {
      {nullptr, kEditNote},
      {"not json",
       "The selected curve's formula cannot be read: not JSON. Pressing OK draws a new curve."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.note);
    if (c.storedDefinition) {
      host.setSplineAttribute(name, 0, {kDefinitionGroup, kDefinitionName, c.storedDefinition});
    }
    host.selectSpline(name, 0);
    click();
    host.setInputText(kZFunctionInputId, "cos(");
    EXPECT_EQ(status().rfind("z(t): ", 0), 0u) << status();
    EXPECT_EQ(status().find('\n'), std::string::npos) << status();
    host.setInputText(kZFunctionInputId, "4 * t");
    const std::string shown = status();
    EXPECT_NE(shown.find(" spline controls\n"), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(shown.find('\n') + 1), c.note);
    host.cancel();
  }
}

TEST_F(EditCurve, ARefusedReplacementKeepsTheOldShapeAndDefinition) {
  for (const char* refused : {"SketchFixedSpline.replaceGeometry", "Attributes.add"}) {
    const std::string name = createSpring();
    const fsim::SketchInfo before = sketch(host.sketches().size() - 1);
    host.selectSpline(name, 0);
    click();
    host.setInputText(kZFunctionInputId, "4 * t");
    host.failOperation(refused, fsim::FaultMode::Always);
    host.confirm();
    host.clearFaults();
    const fsim::SketchInfo after = sketch(host.sketches().size() - 1);
    EXPECT_EQ(after.splines.at(0).controlPoints, before.splines.at(0).controlPoints) << refused;
    EXPECT_EQ(after.splineAttributes.at(0).at(0).value, before.splineAttributes.at(0).at(0).value)
        << refused;
    ASSERT_FALSE(host.messageBoxes().empty()) << refused;
    EXPECT_NE(host.messageBoxes().back().text.find("It is unchanged."), std::string::npos)
        << host.messageBoxes().back().text;
  }
}

}  // namespace

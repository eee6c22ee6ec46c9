// Formula curves follow the design's parameters: after any ended command, exactly the curves
// whose named parameters changed since they were last looked at are refitted in place; failures
// and misses of the tolerance are told once per change; nothing else is touched.
#include <regex>
#include <string>
#include <vector>

#include "AddInTest.h"
#include "curve/definition/CurveDefinition.h"
#include "curve/definition/DefinitionAttribute.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::ParameterTable;
using vintrel::curve::readCurveDefinition;

namespace {

using adsk::core::Application;
using adsk::core::Ptr;
using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kDefinitionName;
using vintrel::dialog::kMaxTValueInputId;
using vintrel::dialog::kXFunctionInputId;
using vintrel::dialog::kYFunctionInputId;
using vintrel::dialog::kZFunctionInputId;

class FollowParameters : public AddInTest {
 protected:
  void SetUp() override {
    host.addUserParameter("r", 5.0);
    host.addUserParameter("pitch", 2.0);
    ASSERT_TRUE(addIn.run(""));
  }
  /// A curve created with OK in a new sketch (the sketch in edit is left first).
  void create(const std::string& x, const std::string& y, const std::string& z) {
    click();
    host.setInputText(kXFunctionInputId, x);
    host.setInputText(kYFunctionInputId, y);
    host.setInputText(kZFunctionInputId, z);
    host.setInputValue(kMaxTValueInputId, 1.0);
    host.confirm();
  }
  /// A spring on r, a line on pitch, a circle on nothing: Sketch1, Sketch2, Sketch3.
  void createThree() {
    create("r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "t");
    create("t", "pitch * t", "0");
    create("cos(2 * pi * t)", "sin(2 * pi * t)", "0");
  }
  std::vector<fsim::NurbsData> shapes() const {
    std::vector<fsim::NurbsData> out;
    for (const auto& sketch : host.sketches()) out.push_back(sketch.splines.at(0));
    return out;
  }
  CurveDefinition definition(std::size_t sketch) const {
    return readCurveDefinition(host.sketches().at(sketch).splineAttributes.at(0).at(0).value);
  }
  int writes() const {
    const auto calls = host.operationCalls();
    int total = 0;
    for (const char* write : {"SketchFixedSpline.replaceGeometry", "Attributes.add"}) {
      const auto found = calls.find(write);
      if (found != calls.end()) total += found->second;
    }
    return total;
  }
  /// A script's change: no command ends with it.
  void setByScript(const std::string& name, double value) {
    Ptr<adsk::fusion::Design> design = Application::get()->activeProduct();
    ASSERT_TRUE(design->allParameters()->itemByName(name)->value(value));
  }
};

TEST_F(FollowParameters, AChangeUpdatesExactlyTheCurvesThatNameIt) {
  createThree();
  const std::vector<fsim::NurbsData> before = shapes();
  host.resetOperationCalls();
  host.changeParameters({{"r", 8.0}});
  const std::vector<fsim::NurbsData> after = shapes();
  EXPECT_EQ(after[0].controlPoints.front()[0], 8.0);  // x(0) = r, the first control
  EXPECT_EQ(after[1].controlPoints, before[1].controlPoints);
  EXPECT_EQ(after[2].controlPoints, before[2].controlPoints);
  EXPECT_EQ(writes(), 2);  // one shape and one definition, for the spring alone
  EXPECT_EQ(definition(0).parameters, (ParameterTable{{"r", 8.0}}));
  EXPECT_EQ(host.sketches().size(), 3u);
  EXPECT_TRUE(host.messageBoxes().empty());

  host.resetOperationCalls();
  host.playCommand("MeasureCommand", fsim::CommandEnd::Completed);  // nothing changed since
  EXPECT_EQ(writes(), 0);
  EXPECT_EQ(held(), heldBetweenEvents(false));
}

// A curve follows the parameters its definitions use, though its formulas name none, and an edit
// reopens its definitions as typed.
TEST_F(FollowParameters, ACurveFollowsWhatItsDefinitionsUse) {
  click();
  host.typeIntoTextBox("definitionsInput_", "k = 2 * r\nw = 2 * pi * t");
  host.setInputText(kXFunctionInputId, "k * cos(w)");
  host.setInputText(kYFunctionInputId, "k * sin(w)");
  host.setInputText(kZFunctionInputId, "0");
  host.setInputValue(kMaxTValueInputId, 1.0);
  host.confirm();
  EXPECT_EQ(definition(0).parameters, (ParameterTable{{"r", 5.0}}));
  host.changeParameters({{"r", 6.0}});
  EXPECT_EQ(definition(0).parameters, (ParameterTable{{"r", 6.0}}));
  EXPECT_EQ(definition(0).request.definitions, "k = 2 * r\nw = 2 * pi * t");
  host.selectSpline(host.sketches()[0].name, 0);
  click();
  EXPECT_EQ(input("definitionsInput_").text, "k = 2 * r\nw = 2 * pi * t");
  EXPECT_EQ(status().rfind("19 spline controls, closed", 0), 0u) << status();  // radius 12
}

// A parameter that winds a coil of radius 1 40 times makes its spline long (256 controls); one
// that flattens it closes it.
TEST_F(FollowParameters, AChangedParameterMayMakeACurveLongOrClosed) {
  host.addUserParameter("turns", 1.0);
  create("cos(2 * pi * turns * t)", "sin(2 * pi * turns * t)", "pitch * t");
  EXPECT_EQ(shapes().at(0).controlPoints.size(), 16u);
  host.changeParameters({{"turns", 40.0}});
  EXPECT_EQ(shapes().at(0).controlPoints.size(), 256u);
  EXPECT_EQ(shapes().at(0).controlPoints.back()[2], 2.0);  // z(1) = pitch, the end sample
  host.changeParameters({{"turns", 1.0}, {"pitch", 0.0}});
  const fsim::NurbsData circle = shapes().at(0);
  EXPECT_EQ(circle.controlPoints.size(), 11u);
  EXPECT_EQ(circle.controlPoints.front(), circle.controlPoints.back());
  EXPECT_EQ(definition(0).parameters, (ParameterTable{{"pitch", 0.0}, {"turns", 1.0}}));
  EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(FollowParameters, ADeletedParameterIsToldOnceAndFixingItUpdates) {
  createThree();
  const std::vector<fsim::NurbsData> before = shapes();
  const std::string stored = host.sketches()[0].splineAttributes[0][0].value;
  host.deleteParameter("r");
  EXPECT_EQ(shapes()[0].controlPoints, before[0].controlPoints);
  EXPECT_EQ(host.sketches()[0].splineAttributes[0][0].value, stored);
  ASSERT_EQ(host.messageBoxes().size(), 1u);
  const std::string told = host.messageBoxes()[0].text;
  EXPECT_NE(told.find("Sketch1: x(t): "), std::string::npos) << told;
  EXPECT_EQ(told.find("Sketch2"), std::string::npos) << told;

  host.playCommand("MeasureCommand", fsim::CommandEnd::Completed);
  host.changeParameters({{"pitch", 3.0}});  // updates the line, says nothing more of the spring
  EXPECT_EQ(host.messageBoxes().size(), 1u);
  EXPECT_EQ(shapes()[1].controlPoints.back()[1], 3.0);

  host.addUserParameter("r", 6.0);
  host.playCommand("ChangeParameterCommand", fsim::CommandEnd::Completed);
  EXPECT_EQ(host.messageBoxes().size(), 1u);
  EXPECT_EQ(shapes()[0].controlPoints.front()[0], 6.0);
}

// What is remembered is the message told, not merely that the curve failed: r = 0 shrinks the
// circle to its centre, r = 0.0001 leaves a real circle within the tolerance of one point, and
// the user must learn the second reason too.
TEST_F(FollowParameters, AFailureWhoseMessageChangesIsToldAgain) {
  create("r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "0");
  host.changeParameters({{"r", 0.0}});
  ASSERT_EQ(host.messageBoxes().size(), 1u);
  EXPECT_NE(host.messageBoxes()[0].text.find("\nSketch1: The curve is a single point (0, 0, 0)"),
            std::string::npos)
      << host.messageBoxes()[0].text;

  host.changeParameters({{"r", 0.0001}});
  ASSERT_EQ(host.messageBoxes().size(), 2u);
  EXPECT_NE(host.messageBoxes()[1].text.find("\nSketch1: The curve stays within "),
            std::string::npos)
      << host.messageBoxes()[1].text;
  EXPECT_NE(host.messageBoxes()[1].text.find(" of one point (0.0001, 0, 0)"), std::string::npos);

  host.playCommand("MeasureCommand", fsim::CommandEnd::Completed);  // the same failure again
  EXPECT_EQ(host.messageBoxes().size(), 2u);
}

// A refusal of the host is told in the words the edit's OK uses for it.
TEST_F(FollowParameters, ARefusedReplacementIsToldAsTheEditTellsIt) {
  createThree();
  const std::vector<fsim::NurbsData> before = shapes();
  host.failOperation("SketchFixedSpline.replaceGeometry", fsim::FaultMode::Always);
  host.changeParameters({{"r", 8.0}});
  host.clearFaults();
  EXPECT_EQ(shapes()[0].controlPoints, before[0].controlPoints);
  ASSERT_EQ(host.messageBoxes().size(), 1u);
  EXPECT_NE(host.messageBoxes()[0].text.find(
                "\nSketch1: The curve could not be replaced: the host refused its new "
                "shape or its new formula. It is unchanged."),
            std::string::npos)
      << host.messageBoxes()[0].text;
  // Told once per change: an unrelated command neither tries again nor tells again.
  host.playCommand("MeasureCommand", fsim::CommandEnd::Completed);
  EXPECT_EQ(shapes()[0].controlPoints, before[0].controlPoints);
  EXPECT_EQ(host.messageBoxes().size(), 1u);
  host.changeParameters({{"r", 9.0}});
  EXPECT_EQ(shapes()[0].controlPoints.front()[0], 9.0);
}

// The host may report the Parameters dialog's OK as cancelled: every ended command checks, and
// one that truly changed nothing writes nothing.
TEST_F(FollowParameters, EveryEndedCommandChecksWhateverItsReason) {
  createThree();
  const std::vector<fsim::NurbsData> before = shapes();
  host.resetOperationCalls();
  host.playCommand("ExtrudeCommand", fsim::CommandEnd::Cancelled);
  host.playCommand("ExtrudeCommand", fsim::CommandEnd::Aborted);
  EXPECT_EQ(writes(), 0);
  host.changeParameters({{"r", 8.0}}, fsim::CommandEnd::Cancelled);
  EXPECT_EQ(shapes()[0].controlPoints.front()[0], 8.0);
  EXPECT_EQ(shapes()[1].controlPoints, before[1].controlPoints);
  setByScript("r", 9.0);
  host.playCommand("ExtrudeCommand", fsim::CommandEnd::Aborted);  // the script's change is seen
  EXPECT_EQ(shapes()[0].controlPoints.front()[0], 9.0);
}

// Undo takes back the spring's update but not r = 8: neither the Undo's own end nor a change of
// a parameter the spring does not use refits it; a new value of r does.
TEST_F(FollowParameters, AnUndoneUpdateStaysUndoneUntilItsParameterChangesAgain) {
  createThree();
  const std::vector<fsim::NurbsData> before = shapes();
  host.changeParameters({{"r", 8.0}});
  ASSERT_EQ(shapes()[0].controlPoints.front()[0], 8.0);
  host.resetOperationCalls();
  host.undoLastUpdate();
  EXPECT_EQ(shapes()[0].controlPoints, before[0].controlPoints);
  EXPECT_EQ(definition(0).parameters, (ParameterTable{{"r", 5.0}}));
  host.playCommand("MeasureCommand", fsim::CommandEnd::Completed);
  EXPECT_EQ(writes(), 0);
  host.changeParameters({{"pitch", 3.0}});
  EXPECT_EQ(shapes()[0].controlPoints, before[0].controlPoints);
  EXPECT_EQ(shapes()[1].controlPoints.back()[1], 3.0);

  host.changeParameters({{"r", 9.0}});
  EXPECT_EQ(shapes()[0].controlPoints.front()[0], 9.0);
  EXPECT_EQ(definition(0).parameters, (ParameterTable{{"r", 9.0}}));
  EXPECT_TRUE(host.messageBoxes().empty());
  EXPECT_EQ(held(), heldBetweenEvents(false));
}

// Two updates undone in turn, the line's and then the spring's: the Undos' own ends refit neither,
// though r and pitch keep the values that made them.
TEST_F(FollowParameters, UpdatesUndoneOneAfterTheOtherStayUndone) {
  createThree();
  const std::vector<fsim::NurbsData> before = shapes();
  host.changeParameters({{"r", 8.0}});
  host.changeParameters({{"pitch", 3.0}});
  ASSERT_EQ(shapes()[0].controlPoints.front()[0], 8.0);  // x(0) = r
  ASSERT_EQ(shapes()[1].controlPoints.back()[1], 3.0);   // y(1) = pitch
  host.resetOperationCalls();
  host.undoLastUpdate();
  EXPECT_EQ(shapes()[1].controlPoints, before[1].controlPoints);
  EXPECT_EQ(shapes()[0].controlPoints.front()[0], 8.0);
  host.undoLastUpdate();
  EXPECT_EQ(shapes()[0].controlPoints, before[0].controlPoints);
  EXPECT_EQ(definition(0).parameters, (ParameterTable{{"r", 5.0}}));
  EXPECT_EQ(definition(1).parameters, (ParameterTable{{"pitch", 2.0}}));
  EXPECT_EQ(writes(), 0);
  EXPECT_TRUE(host.messageBoxes().empty());
}

// A coil wound 2000 times is more than any spline up to the cap follows within the tolerance: the
// update is made, and the user reads the status the dialog shows for the same curve. A failure of
// the same check is in the same box.
TEST_F(FollowParameters, UpdatesThatMissTheToleranceAreToldWithTheirStatus) {
  host.addUserParameter("k", 1.0);
  create("cos(2 * pi * k * t)", "sin(2 * pi * k * t)", "0.1 * t");
  create("r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "0");
  host.changeParameters({{"k", 2000.0}, {"r", 0.0}});
  EXPECT_EQ(shapes()[0].controlPoints.size(), 4096u);
  ASSERT_EQ(host.messageBoxes().size(), 1u);
  const std::string told = host.messageBoxes()[0].text;

  click();  // the same curve drawn directly
  host.setInputText(kXFunctionInputId, "cos(2 * pi * k * t)");
  host.setInputText(kYFunctionInputId, "sin(2 * pi * k * t)");
  host.setInputText(kZFunctionInputId, "0.1 * t");
  host.setInputValue(kMaxTValueInputId, 1.0);
  const std::string drawn = status();
  host.cancel();
  EXPECT_NE(drawn.find(" not met: largest deviation "), std::string::npos) << drawn;
  EXPECT_EQ(told,
            "These formula curves could not follow the design's parameters and keep their "
            "shape:\nSketch2: The curve is a single point (0, 0, 0): give x(t), y(t) or z(t) a "
            "term in t, or widen the t range\n\nThese formula curves were updated, but their "
            "new splines miss the tolerance:\nSketch1: " +
                drawn);

  host.playCommand("MeasureCommand", fsim::CommandEnd::Completed);
  EXPECT_EQ(host.messageBoxes().size(), 1u);
}

// A curve follows with its own choice of the fewest controls: the refit looks for them (the
// message gives its status with ", fewest"), and the new definition keeps the choice.
TEST_F(FollowParameters, ACurveFollowsWithItsFewestControlsChoice) {
  host.addUserParameter("k", 1.0);
  click();
  host.setCheckBox("fewestControlsInput_", true);
  host.setInputText(kXFunctionInputId, "cos(2 * pi * k * t)");
  host.setInputText(kYFunctionInputId, "sin(2 * pi * k * t)");
  host.setInputText(kZFunctionInputId, "0.1 * t");
  host.setInputValue(kMaxTValueInputId, 1.0);
  host.confirm();
  host.changeParameters({{"k", 2000.0}});  // wound too often for any spline to follow
  ASSERT_EQ(host.messageBoxes().size(), 1u);
  const std::string told = host.messageBoxes()[0].text;
  EXPECT_TRUE(std::regex_search(told, std::regex("\nSketch1: [1-9][0-9]* spline controls, "
                                                 "fewest \\(tolerance 0\\.002 cm not met: ")))
      << told;
  EXPECT_TRUE(definition(0).request.fewestControls);
  EXPECT_EQ(definition(0).parameters, (ParameterTable{{"k", 2000.0}}));
}

TEST_F(FollowParameters, SorvanesOwnOkRefitsNoOtherCurve) {
  create("r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "t");
  const fsim::NurbsData spring = shapes()[0];
  setByScript("r", 9.0);
  host.resetOperationCalls();
  create("t", "0", "0");
  EXPECT_EQ(host.operationCalls().count("SketchFixedSpline.replaceGeometry"), 0u);
  EXPECT_EQ(shapes()[0].controlPoints, spring.controlPoints);
}

TEST_F(FollowParameters, StopLeavesNoHandlerAndNothingHeld) {
  createThree();
  EXPECT_EQ(host.handlerCount("commandTerminated"), 1u);
  EXPECT_TRUE(addIn.stop(""));
  EXPECT_EQ(host.handlerCount("commandTerminated"), 0u);
  EXPECT_EQ(held(), HeldReferences());
  host.changeParameters({{"r", 8.0}});  // no add-in follows any more
  EXPECT_EQ(definition(0).parameters, (ParameterTable{{"r", 5.0}}));
}

TEST_F(FollowParameters, BrokenLinksAndDamagedDefinitionsAreLeftAlone) {
  createThree();
  host.breakSplineLink("Sketch1", 0);
  host.setSplineAttribute("Sketch2", 0, {kDefinitionGroup, kDefinitionName, "damaged"});
  const std::vector<fsim::NurbsData> before = shapes();
  host.changeParameters({{"r", 8.0}, {"pitch", 3.0}});
  EXPECT_EQ(shapes()[0].controlPoints, before[0].controlPoints);
  EXPECT_EQ(shapes()[1].controlPoints, before[1].controlPoints);
  EXPECT_TRUE(host.messageBoxes().empty());
}

}  // namespace

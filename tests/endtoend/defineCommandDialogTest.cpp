// A click on the button: the dialog's inputs with their defaults (the formulas of the chosen
// coordinates shown, the design's unit chosen), its help page and handlers, and the first preview
// of the default helix.
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "AddInTest.h"

using vintrel::dialog::kStatusDisplayId;

namespace {

class CommandDialog : public AddInTest {};

void expectInput(const fsim::InputInfo& input, const std::string& id, const std::string& type,
                 const std::string& label, const std::string& text) {
  SCOPED_TRACE(id);
  EXPECT_EQ(input.id, id);
  EXPECT_EQ(input.type, type);
  EXPECT_EQ(input.label, label);
  EXPECT_EQ(input.text, text);
}

TEST_F(CommandDialog, ClickBuildsTheInputsWithTheirDefaults) {
  startAndOpenDialog();
  // The formulas of the other coordinates sit beside x, y and z, hidden.
  const std::vector<std::string> order = {
      "startFromInput_",      "definitionsInput_",    "xFunctionInput_",      "rhoFunctionInput_",
      "radiusFunctionInput_", "yFunctionInput_",      "thetaFunctionInput_",  "zFunctionInput_",
      "phiFunctionInput_",    "minTValueInput_",      "maxTValueInput_",      kStatusDisplayId,
      "unitsInput_",          "toleranceValueInput_", "fewestControlsInput_", "coordinatesInput_"};
  std::vector<std::string> ids;
  for (const fsim::InputInfo& info : host.inputs()) ids.push_back(info.id);
  EXPECT_EQ(ids, order);
  const std::string string = "StringValueCommandInput";
  const fsim::InputInfo startFrom = input("startFromInput_");
  expectInput(startFrom, "startFromInput_", "DropDownCommandInput", "Start from",
              "(current inputs)");
  ASSERT_GE(startFrom.items.size(), 3u);
  EXPECT_EQ(startFrom.items[1], "Default helix");
  const fsim::InputInfo definitions = input("definitionsInput_");
  expectInput(definitions, "definitionsInput_", "TextBoxCommandInput", "Definitions", "");
  EXPECT_FALSE(definitions.readOnly);
  EXPECT_EQ(definitions.numRows, 3);
  expectInput(input("xFunctionInput_"), "xFunctionInput_", string, "x(t) =", "cos(2 * pi * t)");
  expectInput(input("rhoFunctionInput_"), "rhoFunctionInput_", string, "\xCF\x81(t) =", "1");
  expectInput(input("radiusFunctionInput_"), "radiusFunctionInput_", string, "r(t) =", "1");
  expectInput(input("yFunctionInput_"), "yFunctionInput_", string, "y(t) =", "sin(2 * pi * t)");
  expectInput(input("thetaFunctionInput_"), "thetaFunctionInput_", string,
              "\xCE\xB8(t) =", "2 * pi * t");
  expectInput(input("zFunctionInput_"), "zFunctionInput_", string, "z(t) =", "t");
  expectInput(input("phiFunctionInput_"), "phiFunctionInput_", string,
              "\xCF\x86(t) =", "pi * t / 3");
  for (const fsim::InputInfo& info : host.inputs()) {
    if (info.type != string) continue;
    const bool cartesian = info.id == "xFunctionInput_" || info.id == "yFunctionInput_" ||
                           info.id == "zFunctionInput_";
    EXPECT_EQ(info.visible, cartesian) << info.id;
  }
  const fsim::InputInfo start = input("minTValueInput_");
  const fsim::InputInfo end = input("maxTValueInput_");
  expectInput(start, "minTValueInput_", "ValueCommandInput", "Starting t Value", "0.0");
  expectInput(end, "maxTValueInput_", "ValueCommandInput", "Ending t Value", "3.0");
  EXPECT_EQ(start.value, 0.0);
  EXPECT_EQ(end.value, 3.0);
  EXPECT_EQ(start.unitType, "");
  EXPECT_EQ(end.unitType, "");
  const fsim::InputInfo box = input(kStatusDisplayId);
  EXPECT_EQ(box.type, "TextBoxCommandInput");
  EXPECT_EQ(box.label, "Notifications");
  EXPECT_EQ(box.numRows, 5);
  EXPECT_TRUE(box.readOnly);
  const fsim::InputInfo units = input("unitsInput_");
  expectInput(units, "unitsInput_", "DropDownCommandInput", "Units", "cm");
  EXPECT_EQ(units.items, (std::vector<std::string>{"mm", "cm", "m", "in", "ft", "yd", "\xC2\xB5m",
                                                   "hm", "mi", "mil", "nmi"}));
  const fsim::InputInfo tolerance = input("toleranceValueInput_");
  expectInput(tolerance, "toleranceValueInput_", "ValueCommandInput", "Tolerance", "0.002");
  EXPECT_EQ(tolerance.value, 0.002);
  EXPECT_EQ(tolerance.unitType, "");
  // Clear, so that a new user sees the specified counts.
  const fsim::InputInfo fewest = input("fewestControlsInput_");
  expectInput(fewest, "fewestControlsInput_", "BoolValueCommandInput", "Fewest controls", "");
  EXPECT_TRUE(fewest.checkBox);
  EXPECT_FALSE(fewest.checked);
  const fsim::InputInfo coordinates = input("coordinatesInput_");
  expectInput(coordinates, "coordinatesInput_", "DropDownCommandInput", "Coordinates",
              "Cartesian (x, y, z)");
  EXPECT_EQ(coordinates.items,
            (std::vector<std::string>{"Cartesian (x, y, z)", "Cylindrical (\xCF\x81, \xCE\xB8, z)",
                                      "Spherical (r, \xCE\xB8, \xCF\x86)"}));
  EXPECT_EQ(host.helpFile(), "docs/help.html");
}

// A new curve starts in the design's display unit with the default tolerance of 0.002 cm written
// in it (to two significant digits: 0.002 / 2.54 = 0.000787... in, 0.002 / 0.00254 = 0.787...
// mil, 0.002 / 185200 = 1.0799e-08 nmi); the formulas' numbers are read in that unit, so the
// helix starts at x = 1 unit (1 mil = 0.00254 cm), and in millimetres the same tolerance, ten
// times coarser beside it, needs fewer controls.
TEST_F(CommandDialog, ANewCurveStartsInTheDesignsUnit) {
  struct Case {
    fsim::LengthUnitChoice choice;
    std::string unit, tolerance;
    double centimetres;  // one unit
  };
  const Case cases[] = {{fsim::LengthUnitChoice::Millimeter, "mm", "0.02", 0.1},
                        {fsim::LengthUnitChoice::Inch, "in", "0.00079", 2.54},
                        {fsim::LengthUnitChoice::Micron, "\xC2\xB5m", "20", 1e-4},
                        {fsim::LengthUnitChoice::Meter, "m", "2e-05", 100},
                        {fsim::LengthUnitChoice::Mil, "mil", "0.79", 0.00254},
                        {fsim::LengthUnitChoice::Hectometer, "hm", "2e-07", 1e4},
                        {fsim::LengthUnitChoice::Mile, "mi", "1.2e-08", 160934.4},
                        {fsim::LengthUnitChoice::NauticalMile, "nmi", "1.1e-08", 185200}};
  ASSERT_TRUE(addIn.run(""));
  for (const Case& c : cases) {
    host.setDistanceDisplayUnits(c.choice);
    click();
    EXPECT_EQ(input("unitsInput_").text, c.unit);
    EXPECT_EQ(input("toleranceValueInput_").text, c.tolerance);
    // A helix of 1 µm lies within the 20 µm tolerance of one point, which no spline follows.
    if (c.unit == "\xC2\xB5m") {
      EXPECT_EQ(status().rfind("The curve stays within 20 \xC2\xB5m of one point", 0), 0u);
      host.cancel();
      continue;
    }
    const auto groups = previewGroups();
    ASSERT_FALSE(groups.empty()) << c.unit << ": " << status();
    EXPECT_NEAR(groups[0].curves[0].curve.controlPoints[0][0], c.centimetres, 1e-12 * c.centimetres)
        << c.unit;
    if (c.unit == "mm") {
      EXPECT_EQ(status(), "16 spline controls");
    }
    host.cancel();
  }
}

// Choosing other coordinates shows their formulas (each keeps its own text) and computes the
// curve from them: the cylindrical default is the Cartesian helix again.
TEST_F(CommandDialog, CoordinatesShowTheirOwnFormulas) {
  startAndOpenDialog();
  host.selectDropDownItem("coordinatesInput_", "Cylindrical (\xCF\x81, \xCE\xB8, z)");
  EXPECT_EQ(status(), "32 spline controls");
  std::vector<std::string> shown;
  for (const fsim::InputInfo& input : host.inputs()) {
    if (input.visible && input.type == "StringValueCommandInput") shown.push_back(input.label);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"\xCF\x81(t) =", "\xCE\xB8(t) =", "z(t) ="}));
  EXPECT_THROW(host.setInputText("xFunctionInput_", "t"), std::runtime_error);
  host.setInputText("rhoFunctionInput_", "1 / 0");
  EXPECT_EQ(status(), "\xCF\x81(t) is not a finite number at t = 0");
  host.selectDropDownItem("coordinatesInput_", "Spherical (r, \xCE\xB8, \xCF\x86)");
  EXPECT_FALSE(input("xFunctionInput_").visible);
  EXPECT_TRUE(input("radiusFunctionInput_").visible);
  EXPECT_NE(status().find(" spline controls"), std::string::npos) << status();
}

// Picking a curve to start from fills the definitions (its lengths in the dialog's unit: a
// 20 mm radius reads 20 in mm, 2 in cm), the formulas, the t range and the coordinates, computes
// it, and goes back to "(current inputs)" so that edits are kept; the default helix is always
// there to go back to.
TEST_F(CommandDialog, StartFromFillsTheInputsInTheDialogsUnit) {
  startAndOpenDialog();
  host.selectDropDownItem("startFromInput_", "Helix");
  EXPECT_EQ(input("definitionsInput_").text.rfind("R = 2\npitch = 0.5\n", 0), 0u)
      << input("definitionsInput_").text;
  EXPECT_EQ(input("xFunctionInput_").text, "R * cos(a)");
  EXPECT_EQ(input("startFromInput_").text, "(current inputs)");
  const std::string inCentimetres = status();
  EXPECT_NE(inCentimetres.find(" spline controls"), std::string::npos) << inCentimetres;
  host.selectDropDownItem("unitsInput_", "mm");
  host.setInputValue("toleranceValueInput_", 0.02);
  host.selectDropDownItem("startFromInput_", "Helix");
  EXPECT_EQ(input("definitionsInput_").text.rfind("R = 20\npitch = 5\n", 0), 0u);
  EXPECT_EQ(status(), inCentimetres);  // the same curve, told in millimetres
  host.selectDropDownItem("startFromInput_", "Wave washer");
  EXPECT_EQ(input("coordinatesInput_").text, "Cylindrical (\xCF\x81, \xCE\xB8, z)");
  EXPECT_TRUE(input("rhoFunctionInput_").visible);
  EXPECT_NE(status().find(", closed"), std::string::npos) << status();
  host.setInputText("zFunctionInput_", "0");
  EXPECT_EQ(input("zFunctionInput_").text, "0");  // kept: the pick is not made again
  host.selectDropDownItem("startFromInput_", "Default helix");
  EXPECT_EQ(input("definitionsInput_").text, "");
  EXPECT_EQ(input("coordinatesInput_").text, "Cartesian (x, y, z)");
  EXPECT_EQ(input("maxTValueInput_").value, 3.0);
  EXPECT_EQ(status(), "16 spline controls");  // the default helix in millimetres
}

// A definition's error names its line; the formulas read the names defined.
TEST_F(CommandDialog, DefinitionsNameTheirLineInErrors) {
  startAndOpenDialog();
  host.typeIntoTextBox("definitionsInput_", "w = 2 * pi * t\nk = w +");
  EXPECT_EQ(status().rfind("Definitions, line 2: ", 0), 0u) << status();
  host.typeIntoTextBox("definitionsInput_", "w = 2 * pi * t");
  host.setInputText("xFunctionInput_", "cos(w)");
  host.setInputText("yFunctionInput_", "sin(w)");
  EXPECT_EQ(status(), "32 spline controls");
}

// The tolerance is the designer's, in the chosen unit; one out of bounds is refused with them.
TEST_F(CommandDialog, TheToleranceIsTheDesignersInTheChosenUnit) {
  startAndOpenDialog();
  host.setInputValue("toleranceValueInput_", 0.02);
  const std::string coarse = status();
  EXPECT_LT(std::stoi(coarse), 32) << coarse;
  host.selectDropDownItem("unitsInput_", "mm");
  host.setInputValue("toleranceValueInput_", 0.0);
  EXPECT_EQ(status(), "Tolerance must be a number from 1e-05 to 100 mm; it is 0");
  EXPECT_TRUE(previewGroups().empty() || previewGroups()[0].curves.empty());
}

// Ticking the box asks the fit for the fewest controls, and the status says so after the count and
// after ", closed"; clearing it goes back to the specified counts.
TEST_F(CommandDialog, FewestControlsIsReadIntoTheFitAndTheStatus) {
  startAndOpenDialog();
  const std::regex fewest("[1-9][0-9]* spline controls, fewest");
  host.setCheckBox("fewestControlsInput_", true);
  EXPECT_TRUE(input("fewestControlsInput_").checked);
  EXPECT_TRUE(std::regex_match(status(), fewest)) << status();
  host.setInputValue("maxTValueInput_", 1.0);  // one turn: a closed circle seen from above
  host.setInputText("zFunctionInput_", "0");
  EXPECT_TRUE(std::regex_match(status(), std::regex("[1-9][0-9]* spline controls, closed, fewest")))
      << status();
  host.setCheckBox("fewestControlsInput_", false);
  EXPECT_EQ(status(), "11 spline controls, closed");
}

TEST_F(CommandDialog, OpensWithTheDefaultHelixPreviewedInRed) {
  startAndOpenDialog();
  // The default helix, three turns, needs 32 controls to stay within 0.002.
  EXPECT_EQ(status(), "32 spline controls");
  const auto groups = previewGroups();
  ASSERT_EQ(groups.size(), 1u);
  ASSERT_EQ(groups[0].curves.size(), 1u);
  const fsim::CurveGraphicsInfo& curve = groups[0].curves[0];
  EXPECT_EQ(curve.weight, 3.0);
  EXPECT_EQ(curve.color, (std::array<int, 4>{255, 0, 0, 255}));
  EXPECT_FALSE(curve.selectable);
  EXPECT_TRUE(curve.visible);
  EXPECT_EQ(curve.curve.degree, 3);
  EXPECT_EQ(curve.curve.controlPoints.size(), 32u);
  EXPECT_GT(host.viewportRefreshes(), 0);
  expectHeldBetweenEvents(true);
}

TEST_F(CommandDialog, EveryClickStartsFromTheDefaults) {
  startAndOpenDialog();
  host.setInputText("xFunctionInput_", "t");
  host.setInputValue("maxTValueInput_", 1.0);
  host.cancel();
  click();
  EXPECT_EQ(input("xFunctionInput_").text, "cos(2 * pi * t)");
  EXPECT_EQ(input("maxTValueInput_").value, 3.0);
  EXPECT_EQ(status(), "32 spline controls");
  // The same three handler objects serve the second command; none is added per click.
  for (const char* event : {"execute", "destroy", "executePreview"}) {
    EXPECT_EQ(host.handlerCount(event), 1u) << event;
  }
  expectHeldBetweenEvents(true);
}

TEST_F(CommandDialog, ACreatedEventWithoutCommandDoesNothing) {
  ASSERT_TRUE(addIn.run(""));
  host.failOperation("CommandCreatedEventArgs.command", fsim::FaultMode::Once);
  click();
  EXPECT_TRUE(host.inputs().empty());
  EXPECT_EQ(host.handlerCount("executePreview"), 0u);
  EXPECT_TRUE(host.handlerErrors().empty());
  expectHeldBetweenEvents(false);
}

TEST_F(CommandDialog, ACommandWithoutInputsGetsItsHandlersButNoPreview) {
  ASSERT_TRUE(addIn.run(""));
  host.failOperation("Command.commandInputs", fsim::FaultMode::Once);
  click();
  EXPECT_EQ(host.helpFile(), "docs/help.html");
  for (const char* event : {"execute", "destroy", "executePreview"}) {
    EXPECT_EQ(host.handlerCount(event), 1u) << event;
  }
  EXPECT_TRUE(host.inputs().empty());
  EXPECT_TRUE(host.graphicsGroups().empty());
  EXPECT_TRUE(host.handlerErrors().empty());
  expectHeldBetweenEvents(false);
  // Its end without a preview changes nothing.
  host.cancel();
  EXPECT_TRUE(host.graphicsGroups().empty());
  expectHeldBetweenEvents(false);
}

TEST_F(CommandDialog, WithoutTheTextBoxThePreviewIsDrawnAndTheErrorReachesTheHost) {
  ASSERT_TRUE(addIn.run(""));
  // The second text box is the notification box, after the definitions.
  host.failOperation("CommandInputs.addTextBoxCommandInput", fsim::FaultMode::Once, 2);
  click();
  EXPECT_EQ(host.inputs().size(), 15u);
  EXPECT_EQ(previewGroups().size(), 1u);
  // The command-created handler catches nothing: the null-object error goes to the host.
  EXPECT_EQ(host.handlerErrors(), std::vector<std::string>{"Unknown exception"});
  expectHeldBetweenEvents(true);
}

}  // namespace

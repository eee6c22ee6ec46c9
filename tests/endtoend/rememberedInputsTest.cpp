// A new curve starts from the last curve created or edited in the design, whose inputs the design
// keeps; an edited curve opens with its own, and a design without any opens with the defaults.
#include <string>
#include <vector>

#include "AddInTest.h"
#include "curve/definition/DefinitionAttribute.h"

using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kLastInputsName;

namespace {

class RememberedInputs : public AddInTest {
 protected:
  /// A cylindrical curve in millimetres with a definition, created with OK.
  void createWave() {
    startAndOpenDialog();
    host.selectDropDownItem("coordinatesInput_", "Cylindrical (\xCF\x81, \xCE\xB8, z)");
    host.typeIntoTextBox("definitionsInput_", "r = 20\namp = 1.5");
    host.setInputText("rhoFunctionInput_", "r");
    host.setInputText("zFunctionInput_", "amp * sin(3 * t)");
    host.setInputText("thetaFunctionInput_", "t");
    host.setInputExpression("maxTValueInput_", "2 * pi");
    host.selectDropDownItem("unitsInput_", "mm");
    host.setInputValue("toleranceValueInput_", 0.01);
    made_ = status();
    host.confirm();
  }
  void expectTheWave() {
    EXPECT_EQ(input("definitionsInput_").text, "r = 20\namp = 1.5");
    EXPECT_EQ(input("rhoFunctionInput_").text, "r");
    EXPECT_TRUE(input("rhoFunctionInput_").visible);
    EXPECT_EQ(input("coordinatesInput_").text, "Cylindrical (\xCF\x81, \xCE\xB8, z)");
    EXPECT_EQ(input("unitsInput_").text, "mm");
    EXPECT_EQ(input("toleranceValueInput_").text, "0.01");
    EXPECT_EQ(input("maxTValueInput_").value, 2 * 3.141592653589793);
    EXPECT_EQ(status(), made_);
  }

  std::string made_;  // the wave's status when it was made
};

TEST_F(RememberedInputs, ANewCurveStartsFromTheLastOneMade) {
  createWave();
  ASSERT_EQ(made_, "19 spline controls, closed");
  click();
  expectTheWave();
  host.cancel();
  // Cancel keeps nothing new: the next click still offers the wave.
  click();
  expectTheWave();
}

// The inputs travel with the design, in its own attribute: a design opened with that attribute
// (as a saved design is) offers them, whoever wrote them.
TEST_F(RememberedInputs, TheDesignKeepsThemInItsOwnAttribute) {
  createWave();
  const std::vector<fsim::AttributeInfo> kept = host.designAttributes();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].group, kDefinitionGroup);
  EXPECT_EQ(kept[0].name, kLastInputsName);
  host.setDesignAttribute(
      {kDefinitionGroup, kLastInputsName,
       R"({"format":3,"x":"t","y":"t * t","z":"0","tStart":0,"tEnd":2,"units":"in",)"
       R"("tolerance":0.001,"coordinates":"cartesian","definitions":"","parameters":{}})"});
  click();
  EXPECT_EQ(input("yFunctionInput_").text, "t * t");
  EXPECT_EQ(input("unitsInput_").text, "in");
  EXPECT_EQ(input("toleranceValueInput_").text, "0.001");
  EXPECT_EQ(input("maxTValueInput_").value, 2.0);
}

// The check box is one of the inputs kept: a curve made with it ticked opens the next one ticked
// (its status says so), one made with it cleared opens the next one clear.
TEST_F(RememberedInputs, TheFewestControlsChoiceIsKept) {
  startAndOpenDialog();
  host.setCheckBox("fewestControlsInput_", true);
  host.confirm();
  EXPECT_NE(host.designAttributes().at(0).value.find("\"fewestControls\":true"), std::string::npos);
  for (const bool ticked : {true, false}) {
    click();
    EXPECT_EQ(input("fewestControlsInput_").checked, ticked);
    EXPECT_EQ(status().find(", fewest") != std::string::npos, ticked) << status();
    host.setCheckBox("fewestControlsInput_", false);
    host.confirm();
  }
}

// What the design keeps and cannot be read, or a design that keeps nothing, opens the defaults.
TEST_F(RememberedInputs, UnreadableOrNothingKeptOpensTheDefaults) {
  for (const char* kept : {"", "not json", R"({"format":99})"}) {
    if (*kept) host.setDesignAttribute({kDefinitionGroup, kLastInputsName, kept});
    startAndOpenDialog();
    EXPECT_EQ(input("xFunctionInput_").text, "cos(2 * pi * t)") << kept;
    EXPECT_EQ(status(), "32 spline controls") << kept;
    host.cancel();
    ASSERT_TRUE(addIn.stop(""));
  }
}

}  // namespace

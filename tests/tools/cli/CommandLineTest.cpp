#include "tools/cli/CommandLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <sstream>

#include "curve/formula/LengthUnit.h"

namespace sorvane {
namespace {

TEST(CommandLine, NothingGivenKeepsEveryDefault) {
  const Options options = parseCommandLine({});
  EXPECT_FALSE(options.x || options.y || options.z || options.tStart || options.tEnd);
  EXPECT_TRUE(options.parameters.empty());
  EXPECT_FALSE(options.editSketch || options.select || options.cancel || options.quiet ||
               options.help);
  EXPECT_TRUE(options.jsonPath.empty() && options.svgPath.empty() && options.dxfPath.empty());
  EXPECT_TRUE(options.designPath.empty());
  EXPECT_TRUE(options.addInPath.empty());
}

TEST(CommandLine, ReadsEveryOptionInBothSpellings) {
  const Options options = parseCommandLine({"--x",
                                            "-t",
                                            "--y=sin(t)",
                                            "--z",
                                            "a=b",
                                            "--t-start",
                                            "-1.5",
                                            "--t-end=+2",
                                            "--param",
                                            "r=2.5",
                                            "--param=h=-1e-3",
                                            "--cancel",
                                            "--quiet",
                                            "--json",
                                            "-",
                                            "--svg=out.svg",
                                            "--dxf",
                                            "out.dxf",
                                            "--step=out.step",
                                            "--addin",
                                            "lib.so",
                                            "--design",
                                            "spring.json",
                                            "--select=Sketch2:3"});
  EXPECT_EQ(*options.x, "-t");  // an expression may start with a minus sign
  EXPECT_EQ(*options.y, "sin(t)");
  EXPECT_EQ(*options.z, "a=b");
  EXPECT_EQ(*options.tStart, "-1.5");
  EXPECT_EQ(*options.tEnd, "+2");
  EXPECT_EQ(options.parameters, (std::vector<ParameterSetting>{{"r", 2.5, ""}, {"h", -0.001, ""}}));
  EXPECT_TRUE(options.cancel && options.quiet);
  EXPECT_EQ(options.jsonPath, "-");
  EXPECT_EQ(options.svgPath, "out.svg");
  EXPECT_EQ(options.dxfPath, "out.dxf");
  EXPECT_EQ(options.stepPath, "out.step");
  EXPECT_EQ(options.addInPath, "lib.so");
  EXPECT_EQ(options.designPath, "spring.json");
  ASSERT_TRUE(options.select);
  EXPECT_EQ(options.select->sketch, "Sketch2");
  EXPECT_EQ(options.select->number, 3u);
}

TEST(CommandLine, EditSketchTakesAnOptionalPlane) {
  const std::pair<std::vector<std::string>, SketchPlane> cases[] = {
      {{"--edit-sketch"}, SketchPlane::XY},
      {{"--edit-sketch", "--quiet"}, SketchPlane::XY},  // an option is no plane
      {{"--edit-sketch", "xz"}, SketchPlane::XZ},
      {{"--edit-sketch=yz"}, SketchPlane::YZ},
      {{"--edit-sketch", "tilted", "--x", "t"}, SketchPlane::Tilted},
      {{"--edit-sketch", "yz", "--edit-sketch"}, SketchPlane::XY},  // the later one counts
  };
  for (const auto& [arguments, plane] : cases) {
    EXPECT_EQ(parseCommandLine(arguments).editSketch, plane) << arguments.back();
  }
  for (const char* bad : {"XZ", "zx", "tilt"}) {
    EXPECT_THROW(parseCommandLine({std::string("--edit-sketch=") + bad}), UsageError) << bad;
  }
  try {
    parseCommandLine({"--edit-sketch", "diagonal"});
    FAIL();
  } catch (const UsageError& error) {
    EXPECT_EQ(std::string(error.what()),
              "--edit-sketch takes xy, xz, yz or tilted, not \"diagonal\"");
  }
}

TEST(CommandLine, LaterInputOverridesEarlier) {
  const Options options =
      parseCommandLine({"--x", "t", "--x", "2 * t", "--t-end", "1", "--select", "Sketch1:1",
                        "--design", "a.json", "--select", "Sketch1:2", "--design", "b.json"});
  EXPECT_EQ(*options.x, "2 * t");
  EXPECT_EQ(*options.tEnd, "1");
  EXPECT_EQ(options.select->number, 2u);
  EXPECT_EQ(options.designPath, "b.json");
}

// A preset is known before any host starts; the definitions are typed as given, for the dialog
// to read.
TEST(CommandLine, ReadsPresetsAndDefinitions) {
  const Options options = parseCommandLine({"--preset", "helix", "--define", "k = 2;\nm = 3 * k",
                                            "--preset=cam", "--x", "t", "--list-presets"});
  EXPECT_EQ(*options.preset, "cam");  // the later one counts
  EXPECT_EQ(*options.definitions, "k = 2;\nm = 3 * k");
  EXPECT_TRUE(options.listPresets);
  EXPECT_FALSE(parseCommandLine({}).preset || parseCommandLine({}).definitions ||
               parseCommandLine({}).listPresets);
  for (const char* bad : {"", "Helix", "helix ", "spiral"}) {
    try {
      parseCommandLine({"--preset", bad});
      ADD_FAILURE() << bad;
    } catch (const UsageError& error) {
      EXPECT_EQ(std::string(error.what()), std::string("--preset: no preset \"") + bad +
                                               "\"; sorvane --list-presets lists them");
    }
  }
}

TEST(CommandLine, SelectNamesASketchAndASplineCountedFromOne) {
  const std::pair<const char*, SplineReference> cases[] = {
      {"Sketch1:1", {"Sketch1", 1}},
      {"Sketch12:40", {"Sketch12", 40}},
      {"a:b:7", {"a:b", 7}},  // the number follows the last colon
  };
  for (const auto& [text, reference] : cases) {
    const Options options = parseCommandLine({"--select", text});
    EXPECT_EQ(options.select->sketch, reference.sketch) << text;
    EXPECT_EQ(options.select->number, reference.number) << text;
  }
  for (const char* bad :
       {"Sketch1", "Sketch1:0", ":1", "Sketch1:", "Sketch1:x", "Sketch1:-1", "Sketch1:1.5",
        "Sketch1:+1", "Sketch1:1 ", "Sketch1:99999999999999999999"}) {
    try {
      parseCommandLine({"--select", bad});
      ADD_FAILURE() << bad;
    } catch (const UsageError& error) {
      EXPECT_EQ(std::string(error.what()),
                std::string("--select needs SKETCH:N with N counted from 1, not \"") + bad + "\"");
    }
  }
}

TEST(CommandLine, RejectsMalformedNumbers) {
  for (const char* bad :
       {"", "abc", "1.5x", " 1", "inf", "-inf", "nan", "1e400", "0x10", "--", "+-1", "+"}) {
    EXPECT_THROW(parseCommandLine({"--param", std::string("r=") + bad}), UsageError) << bad;
  }
}

// The dialog's value inputs evaluate what is typed, so the t values reach them as given, even
// those the inputs will find invalid.
TEST(CommandLine, TValuesAreTypedAsGiven) {
  for (const char* text : {"2*pi", " 4 * pi ", "r", "1.5x"}) {
    const Options options = parseCommandLine({"--t-start", text, std::string("--t-end=") + text});
    EXPECT_EQ(*options.tStart, text);
    EXPECT_EQ(*options.tEnd, text);
  }
}

TEST(CommandLine, RejectsBadParameters) {
  for (const char* bad : {"r", "=1", "1r=1", "a-b=1", "a b=1", "r==1"}) {
    EXPECT_THROW(parseCommandLine({"--param", bad}), UsageError) << bad;
  }
  EXPECT_THROW(parseCommandLine({"--param", "r=1", "--param", "r=2"}), UsageError);
  EXPECT_NO_THROW(parseCommandLine({"--param", "_R2=1", "--param", "pi=3"}));
}

// --set-param plays the Parameters dialog in place of Sorvane's, so nothing of Sorvane's may come
// with it; --param only sets up the design and may.
TEST(CommandLine, SetParamStandsInForSorvanesDialog) {
  const Options options =
      parseCommandLine({"--set-param", "r=8", "--set-param=pitch=+3", "--param", "r=5"});
  EXPECT_EQ(options.setParameters,
            (std::vector<ParameterSetting>{{"r", 8.0, ""}, {"pitch", 3.0, ""}}));
  EXPECT_EQ(options.parameters, (std::vector<ParameterSetting>{{"r", 5.0, ""}}));
  for (const std::vector<std::string>& sorvanes :
       std::vector<std::vector<std::string>>{{"--x", "t"},
                                             {"--preset", "helix"},
                                             {"--define", "k = 2"},
                                             {"--t-end", "2"},
                                             {"--units", "mm"},
                                             {"--tolerance", "0.1"},
                                             {"--coordinates", "spherical"},
                                             {"--fewest-controls", "no"},
                                             {"--select", "Sketch1:1"},
                                             {"--edit-sketch"},
                                             {"--cancel"}}) {
    std::vector<std::string> arguments = {"--set-param", "r=8"};
    arguments.insert(arguments.end(), sorvanes.begin(), sorvanes.end());
    EXPECT_THROW(parseCommandLine(arguments), UsageError) << sorvanes[0];
  }
  EXPECT_THROW(parseCommandLine({"--set-param", "r=8", "--set-param", "r=9"}), UsageError);
  EXPECT_THROW(parseCommandLine({"--set-param", "r"}), UsageError);
}

// The check box is ticked by the bare option or "yes", cleared by "no", and left as the dialog
// opens it when the option is not given; an option after it is no value.
TEST(CommandLine, FewestControlsTicksOrClearsTheBox) {
  EXPECT_FALSE(parseCommandLine({}).fewestControls);
  const std::pair<std::vector<std::string>, bool> cases[] = {
      {{"--fewest-controls"}, true},
      {{"--fewest-controls", "--x", "t"}, true},
      {{"--fewest-controls=yes"}, true},
      {{"--fewest-controls", "no"}, false},
      {{"--fewest-controls", "no", "--fewest-controls"}, true}};  // the later one counts
  for (const auto& [arguments, ticked] : cases) {
    EXPECT_EQ(parseCommandLine(arguments).fewestControls, std::optional<bool>(ticked))
        << arguments.size();
  }
  try {
    parseCommandLine({"--fewest-controls=on"});
    FAIL();
  } catch (const UsageError& error) {
    EXPECT_EQ(std::string(error.what()), "--fewest-controls takes yes or no, not \"on\"");
  }
}

// A selected curve is edited in its own sketch: a sketch in edit beside it would be added empty.
TEST(CommandLine, SelectAndEditSketchExcludeEachOther) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"--select", "Sketch1:1", "--edit-sketch"},
           {"--edit-sketch=xz", "--design", "d.json", "--select=Sketch2:1"}}) {
    EXPECT_THROW(parseCommandLine(arguments), UsageError) << arguments[0];
  }
}

TEST(CommandLine, RejectsWhatIsNotAnOption) {
  EXPECT_THROW(parseCommandLine({"--frobnicate"}), UsageError);
  EXPECT_THROW(parseCommandLine({"-x", "t"}), UsageError);
  EXPECT_THROW(parseCommandLine({"helix.svg"}), UsageError);
  EXPECT_THROW(parseCommandLine({"--x"}), UsageError);  // value missing at the end
  EXPECT_THROW(parseCommandLine({"--quiet=yes"}), UsageError);
  EXPECT_THROW(parseCommandLine({"--json", "-", "--svg", "-"}), UsageError);
  EXPECT_THROW(parseCommandLine({"--dxf", "-", "--step", "-"}), UsageError);
  EXPECT_THROW(parseCommandLine({"--design", "-"}), UsageError);  // read and written: a file
}

TEST(CommandLine, UsageErrorNamesTheOption) {
  try {
    parseCommandLine({"--param", "r=three"});
    FAIL();
  } catch (const UsageError& error) {
    EXPECT_EQ(std::string(error.what()), "--param r needs a finite number, not \"three\"");
  }
}

// Each option's entry opens with the option and its argument; its text, the example last, starts
// in the one column all entries share and carries on in it on further lines. A long option (the
// --set-param line once ran into its text) keeps a gap, and no line is wider than 79 columns.
TEST(CommandLine, HelpListsEveryOptionWithAnExampleInOneColumn) {
  const std::string help = helpText();
  std::map<std::string, std::string> entries;  // each option's text, its lines joined
  std::string option;
  std::size_t column = 0;
  std::istringstream lines(help);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 79u) << line;
    if (line.rfind("  --", 0) == 0) {
      option = line.substr(2, line.find(' ', 2) - 2);
      const std::size_t text = line.find_first_not_of(' ', line.find("  ", 2));
      if (column == 0) column = text;
      EXPECT_EQ(text, column) << line;
      entries[option] = line.substr(text);
    } else if (!option.empty() && line.size() > column && line.find_first_not_of(' ') == column) {
      entries[option] += " " + line.substr(column);
    } else {
      option.clear();
    }
  }
  std::istringstream names(
      "--preset --list-presets --define --x --y --z --t-start --t-end --coordinates --units "
      "--tolerance --fewest-controls --param --set-param "
      "--document-units --design --select --edit-sketch --cancel --json --svg --dxf --step --addin "
      "--quiet --help");
  for (std::string name; names >> name;) {
    ASSERT_EQ(entries.count(name), 1u) << name;
    EXPECT_NE(entries[name].find(std::string("; e.g. ") + name), std::string::npos)
        << entries[name];
  }
  EXPECT_EQ(entries["--set-param"].rfind("change a parameter", 0), 0u) << entries["--set-param"];
  EXPECT_EQ(entries.size(), 26u);
  // The exit statuses, the design file's own among them.
  for (const char* status :
       {" 0 spline created", " 1 the add-in", " 2 usage error", " 3 the design"}) {
    EXPECT_NE(help.find(status), std::string::npos) << status;
  }
}

TEST(CommandLine, HelpSaysTheUnitsOfLengths) {
  std::string help = helpText();
  std::replace(help.begin(), help.end(), '\n', ' ');
  for (const char* said :
       {"the numbers of the formulas and the tolerance are in the dialog's unit (--units)",
        "(--document-units; centimetres unless set)", "an angle parameter in radians",
        "The outputs stay in centimetres (cm)", "give the first, second and third formula",
        "only the STEP file is in millimetres",
        "numbers are millimetres, the centimetres times ten"}) {
    EXPECT_NE(help.find(said), std::string::npos) << said;
  }
}

// A unit follows the number directly or after blanks and is kept as the host writes it (the
// micrometre as "um"); units and coordinates are named choices.
TEST(CommandLine, ReadsUnitsAndCoordinates) {
  const Options options = parseCommandLine(
      {"--param", "r=5mm", "--param", "a=+30 deg", "--param", "d=3\xC2\xB5m", "--param", "k=2",
       "--units", "um", "--document-units=in", "--coordinates", "cylindrical", "--tolerance", "0"});
  EXPECT_EQ(options.parameters,
            (std::vector<ParameterSetting>{
                {"r", 5, "mm"}, {"a", 30, "deg"}, {"d", 3, "um"}, {"k", 2, ""}}));
  EXPECT_EQ(options.units->name, "\xC2\xB5m");  // as the dialog lists it
  EXPECT_EQ(options.documentUnits->name, "in");
  EXPECT_EQ(options.coordinates, vintrel::curve::Coordinates::Cylindrical);
  EXPECT_EQ(*options.tolerance, "0");  // for the dialog to judge
  for (const std::vector<std::string>& bad :
       std::vector<std::vector<std::string>>{{"--param", "r=5 "},
                                             {"--param", "r=5MM"},
                                             {"--param", "r=5 kg"},
                                             {"--param", "r=mm"},
                                             {"--units", "km"},
                                             {"--document-units", "deg"},
                                             {"--coordinates", "polar"}}) {
    EXPECT_THROW(parseCommandLine(bad), UsageError) << bad[1];
  }
}

// Every unit the dialog lists is a unit of --units, --document-units and --param, the number
// ending where the unit starts ("500mil", "1nmi"); the micrometre is also "um".
TEST(CommandLine, TakesEveryUnitTheDialogLists) {
  for (const vintrel::curve::LengthUnit& unit : vintrel::curve::lengthUnits()) {
    const std::string host = unit.name == "\xC2\xB5m" ? "um" : unit.name;
    const Options options = parseCommandLine(
        {"--units", unit.name, "--document-units", host, "--param", "r=500" + unit.name});
    EXPECT_EQ(options.units->name, unit.name);
    EXPECT_EQ(options.documentUnits->name, unit.name);
    EXPECT_EQ(options.parameters, (std::vector<ParameterSetting>{{"r", 500, host}})) << unit.name;
  }
}

}  // namespace
}  // namespace sorvane

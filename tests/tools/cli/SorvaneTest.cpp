// The sorvane program end to end: the built program runs the real add-in library in the
// simulated host, and these tests check what a user sees: exit status, standard output and
// standard error. The JSON, SVG and DXF files are checked by sorvane_outputs_test.py.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "SorvaneRun.h"

namespace {

using namespace sorvane_program;

const std::vector<std::string> kSegment = {"--x", "t", "--y", "0", "--z", "0", "--t-end", "1"};
const std::vector<std::string> kCircle = {"--x", "cos(2 * pi * t)", "--y", "sin(2 * pi * t)", "--z",
                                          "0",   "--t-end",         "1"};

std::vector<std::string> with(std::vector<std::string> base, const std::vector<std::string>& more) {
  base.insert(base.end(), more.begin(), more.end());
  return base;
}

TEST(Sorvane, DefaultHelixGetsThirtyTwoControlsInANewSketch) {
  const Outcome run = sorvane({});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "32 spline controls\n"
            "Sketch1 (new, XY plane): spline of degree 3, 32 control points\n");
  EXPECT_EQ(run.err, "");
}

TEST(Sorvane, ControlCountsOfKnownCurves) {
  // Segment: met by the first fit of 4; circle: closed, 8 periodic controls and the 3 that close
  // the host's spline.
  const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
      {kSegment, "4", ""}, {kCircle, "11", ", closed"}};
  for (const auto& [arguments, count, closed] : cases) {
    const Outcome run = sorvane(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, count + " spline controls" + closed +
                           "\nSketch1 (new, XY plane): spline of degree 3, " + count +
                           " control points\n");
  }
}

TEST(Sorvane, ParameterIsUsedByName) {
  const std::vector<std::string> spring = {"--x", "r * cos(2 * pi * t)", "--y",
                                           "r * sin(2 * pi * t)"};
  const Outcome without = sorvane(spring);
  EXPECT_EQ(without.status, 1);
  EXPECT_NE(without.err.find("x(t): "), std::string::npos) << without.err;  // r is unknown
  const Outcome run = sorvane(with(spring, {"--param", "r=2"}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(" spline controls\nSketch1 (new, XY plane)"), std::string::npos);
}

TEST(Sorvane, BadExpressionExitsOneWithTheMessageAndCreatesNothing) {
  const Outcome run = sorvane({"--y", "sin(2 * pi * t"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("sorvane: y(t): ", 0), 0u) << run.err;
  EXPECT_EQ(run.err.find("spline"), std::string::npos) << run.err;  // no "created" complaint
}

// The t values are typed into the dialog's value inputs, which evaluate them as the host's do.
TEST(Sorvane, TValuesTakeExpressionsAndPlainNumbersReadExactly) {
  const std::vector<std::string> circle = {"--x", "cos(t)", "--y", "sin(t)", "--z",
                                           "0",   "--json", "-",   "--quiet"};
  const Outcome typed = sorvane(with(circle, {"--t-end", "2*pi"}));
  EXPECT_EQ(typed.status, 0) << typed.err;
  EXPECT_NE(typed.out.find("6.283185307179586"), std::string::npos) << typed.out;
  EXPECT_EQ(typed.out, sorvane(with(circle, {"--t-end", "6.283185307179586"})).out);
  const Outcome named = sorvane(with(circle, {"--param", "turns=1", "--t-end", "turns * 2 * pi"}));
  EXPECT_EQ(named.status, 0) << named.err;
  EXPECT_NE(named.out.find("6.283185307179586"), std::string::npos) << named.out;
  // The double next above 0.3, which no shorter text names.
  const Outcome exact = sorvane(with(circle, {"--t-start", "0.30000000000000004"}));
  EXPECT_EQ(exact.status, 0) << exact.err;
  EXPECT_NE(exact.out.find("0.30000000000000004"), std::string::npos) << exact.out;
}

TEST(Sorvane, ValueThatIsNotFiniteIsAnError) {
  const Outcome run = sorvane({"--x", "1 / t", "--t-start", "0"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("x(t) is not a finite number at t = 0"), std::string::npos) << run.err;
}

TEST(Sorvane, EditSketchReceivesTheSplineAndNoSketchIsAdded) {
  const Outcome run = sorvane(with(kSegment, {"--edit-sketch"}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "4 spline controls\nSketch1 (edited, XY plane): spline of degree 3, 4 control points\n");
}

TEST(Sorvane, EditSketchOnAnotherPlane) {
  for (const auto& [plane, name] : {std::pair{"xz", "XZ"}, {"yz", "YZ"}, {"tilted", "Tilted"}}) {
    const Outcome run = sorvane(with(kSegment, {"--edit-sketch", plane}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string("4 spline controls\nSketch1 (edited, ") + name +
                           " plane): spline of degree 3, 4 control points\n");
  }
  const Outcome bad = sorvane(with(kSegment, {"--edit-sketch", "diagonal"}));
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
}

TEST(Sorvane, CancelCreatesNothing) {
  const Outcome run = sorvane({"--cancel"});
  EXPECT_EQ(run.status, 0) << run.err;  // exit 1 if the preview outlived the dialog
  EXPECT_EQ(run.out, "32 spline controls\ncancelled: nothing created\n");
}

TEST(Sorvane, QuietPrintsOnlyErrors) {
  EXPECT_EQ(sorvane({"--quiet"}).out, "");
  const Outcome bad = sorvane({"--quiet", "--z", "t +"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err.rfind("sorvane: z(t): ", 0), 0u) << bad.err;
}

TEST(Sorvane, UsageErrorsExitTwoBeforeAnyHostStarts) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--bogus"},
                                             {"--param", "r=3x"},
                                             {"--param", "2r=1"},
                                             {"--param", "r"},
                                             {"extra"},
                                             {"--svg"},
                                             {"--units", "km"},
                                             {"--document-units", "inch"},
                                             {"--coordinates", "polar"},
                                             {"--preset", "spiral"},
                                             {"--param", "r=5kg"}}) {
    const Outcome run = sorvane(arguments);
    EXPECT_EQ(run.status, 2) << arguments[0];
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("sorvane --help"), std::string::npos);
  }
}

// The library is listed without a session, one preset a line; a name it lacks says where the
// names are.
TEST(Sorvane, ListPresetsPrintsEachIdBesideItsLabel) {
  const Outcome run = sorvane({"--list-presets", "--quiet"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("default-helix   Default helix\nhelix           Helix\n", 0), 0u)
      << run.out;
  EXPECT_NE(run.out.find("\ncycloidal-disc  Cycloidal disc\n"), std::string::npos) << run.out;
  const Outcome unknown = sorvane({"--preset", "Helix"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err.rfind(
                "sorvane: --preset: no preset \"Helix\"; sorvane --list-presets lists them\n", 0),
            0u)
      << unknown.err;
}

TEST(Sorvane, DamagedDesignFileExitsThreeAndIsLeftAsItWas) {
  const std::string path = scratchPath("damaged.json");
  // Each damage and the start of its message (the design file's own tests cover every kind).
  const std::pair<std::string, std::string> cases[] = {
      {"", "not JSON: "},
      {"{\"sorvaneDesign\": 1, \"parameters\": [", "not JSON: "},
      {"[]", "not a sorvane design"},
      {"{\"sorvaneDesign\": 2}", "design format 2 is not known"},
      {R"({"sorvaneDesign": 1, "parameters": [], "sketches": [{"name": "Sketch1"}]})",
       "sketches[0]: missing \"plane\""},
  };
  for (const auto& [text, message] : cases) {
    writeFile(path, text);
    const Outcome run = sorvane({"--design", path});
    EXPECT_EQ(run.status, 3) << text;
    EXPECT_EQ(run.out, "");  // refused before the session
    EXPECT_EQ(run.err.rfind("sorvane: " + path + ": " + message, 0), 0u) << run.err;
    EXPECT_EQ(contents(path), text);
  }
  std::remove(path.c_str());
  const Outcome folder = sorvane({"--design", ::testing::TempDir()});
  EXPECT_EQ(folder.status, 3);
  EXPECT_NE(folder.err.find(": is a folder, not a file"), std::string::npos) << folder.err;
  const std::string missing = scratchPath("missing");  // a folder no test makes
  const Outcome nowhere = sorvane({"--design", missing + "/spring.json"});
  EXPECT_EQ(nowhere.status, 3);
  EXPECT_EQ(nowhere.out, "");
  EXPECT_EQ(nowhere.err, "sorvane: " + missing +
                             "/spring.json: cannot be saved: there is no folder " + missing + "\n");
}

TEST(Sorvane, DesignFileKeepsTheCurveForALaterRun) {
  const std::string path = scratchPath("kept.json");
  std::remove(path.c_str());
  const Outcome first = sorvane(with(kSegment, {"--design", path}));
  EXPECT_EQ(first.status, 0) << first.err;
  const std::string saved = contents(path);
  EXPECT_NE(saved.find("\"sorvaneDesign\": 1"), std::string::npos) << saved;
  // Cancel in a later run leaves the design as it was, and saves it the same way.
  const Outcome cancelled = sorvane({"--design", path, "--cancel"});
  EXPECT_EQ(cancelled.status, 0) << cancelled.err;
  EXPECT_EQ(contents(path), saved);
  std::remove(path.c_str());
}

TEST(Sorvane, SelectMustNameASplineOfTheDesign) {
  const std::string path = scratchPath("select.json");
  std::remove(path.c_str());
  ASSERT_EQ(sorvane(with(kSegment, {"--design", path})).status, 0);
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--select", "Sketch1:1"},
       "--select Sketch1:1: the design has no sketch Sketch1 (a design with sketches comes from "
       "--design)"},
      {{"--design", path, "--select", "Sketch1:2"}, "--select Sketch1:2: Sketch1 has 1 spline"},
      {{"--design", path, "--select", "Sketch2:1"},
       "--select Sketch2:1: the design has no sketch Sketch2"},
  };
  for (const auto& [arguments, message] : cases) {
    const Outcome run = sorvane(arguments);
    EXPECT_EQ(run.status, 2) << message;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "sorvane: " + message + "\n");
  }
  // A sketch in edit beside the selection would be saved empty with the design on every run.
  const std::string before = contents(path);
  const Outcome both = sorvane({"--design", path, "--select", "Sketch1:1", "--edit-sketch"});
  EXPECT_EQ(both.status, 2);
  EXPECT_EQ(both.out, "");
  EXPECT_NE(both.err.find("--edit-sketch would only add an empty sketch"), std::string::npos)
      << both.err;
  EXPECT_EQ(contents(path), before);
  std::remove(path.c_str());
}

const std::string kEmptyDesign = R"({"sorvaneDesign": 1, "parameters": [], "sketches": []})";

// A file of `owner`'s with `mode`, holding the empty design.
void makeFile(const std::string& path, uid_t owner, mode_t mode) {
  writeFile(path, kEmptyDesign);
  ASSERT_EQ(chown(path.c_str(), owner, owner), 0);
  ASSERT_EQ(chmod(path.c_str(), mode), 0);
}

mode_t modeOf(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A design the user could not save is refused with the system's reason before the session, and
// the file stays as it was: read-only, in a read-only folder (existing or not), or another's in a
// sticky folder.
TEST(Sorvane, DesignFileThatCannotBeSavedIsRefusedBeforeTheSession) {
  const NobodysFolder folder;
  if (!folder.usable()) GTEST_SKIP() << "needs root and a program nobody may run";
  const std::string readOnly = folder / "ro";
  const std::string sticky = folder / "sticky";
  ASSERT_EQ(mkdir(readOnly.c_str(), 0755), 0);
  ASSERT_EQ(mkdir(sticky.c_str(), 0755), 0);
  ASSERT_EQ(chown(readOnly.c_str(), kNobody, kNobody), 0);
  makeFile(folder / "444.json", kNobody, 0444);
  makeFile(readOnly + "/d.json", kNobody, 0644);
  makeFile(sticky + "/d.json", 0, 0666);
  ASSERT_EQ(chmod(readOnly.c_str(), 0555), 0);
  ASSERT_EQ(chmod(sticky.c_str(), 01777), 0);
  const std::pair<std::string, std::string> cases[] = {
      {folder / "444.json", "cannot be saved: Permission denied"},
      {readOnly + "/d.json",
       "cannot be saved: no file can be made in " + readOnly + ": Permission denied"},
      {readOnly + "/new.json",
       "cannot be saved: no file can be made in " + readOnly + ": Permission denied"},
      {sticky + "/d.json", "cannot be saved: only its owner may replace it in the sticky folder " +
                               sticky + ": Operation not permitted"},
  };
  for (const auto& [path, message] : cases) {
    const std::string before = contents(path);
    const mode_t mode = modeOf(path);
    const Outcome run = sorvane(with(kSegment, {"--design", path}), kAsNobody);
    EXPECT_EQ(run.status, 3) << path;
    EXPECT_EQ(run.out, "");  // nothing played
    EXPECT_EQ(run.err, "sorvane: " + path + ": " + message + "\n");
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(modeOf(path), mode);
  }
}

// A private design stays private, and a design reached through a link is saved into the file the
// link names, which stays a link.
TEST(Sorvane, SaveKeepsTheModeAndWritesThroughALink) {
  const NobodysFolder folder;
  if (!folder.usable()) GTEST_SKIP() << "needs root and a program nobody may run";
  makeFile(folder / "600.json", kNobody, 0600);
  makeFile(folder / "perm.json", kNobody, 0644);
  ASSERT_EQ(symlink("perm.json", (folder / "link.json").c_str()), 0);
  for (const char* name : {"600.json", "link.json"}) {
    const Outcome run = sorvane(with(kSegment, {"--design", folder / name}), kAsNobody);
    EXPECT_EQ(run.status, 0) << run.err;
  }
  EXPECT_EQ(modeOf(folder / "600.json"), 0600u);
  EXPECT_NE(contents(folder / "600.json").find("Sketch1"), std::string::npos);
  struct stat link {};
  ASSERT_EQ(lstat((folder / "link.json").c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_NE(contents(folder / "perm.json").find("Sketch1"), std::string::npos);
  EXPECT_EQ(modeOf(folder / "perm.json"), 0644u);
}

// The centimetre spring of sorvane's guide: radius r = 5, pitch 2, five turns.
const std::vector<std::string> kSpring = {"--param", "r=5",
                                          "--param", "pitch=2",
                                          "--x",     "r * cos(2 * pi * t)",
                                          "--y",     "r * sin(2 * pi * t)",
                                          "--z",     "pitch * t",
                                          "--t-end", "5"};

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(Sorvane, SelectedCurveIsReplacedInPlace) {
  for (const auto& [plane, name] : {std::pair{"xy", "XY"}, {"xz", "XZ"}, {"tilted", "Tilted"}}) {
    const std::string path = scratchPath(std::string("edit_") + plane + ".json");
    std::remove(path.c_str());
    ASSERT_EQ(sorvane(with(kSpring, {"--design", path, "--edit-sketch", plane})).status, 0);
    const std::string created = contents(path);
    // Only z is typed: the dialog starts from the stored x, y and t range, so the count stays.
    const Outcome edit = sorvane({"--design", path, "--select", "Sketch1:1", "--z", "4 * t"});
    EXPECT_EQ(edit.status, 0) << edit.err;
    EXPECT_EQ(edit.out.rfind("64 spline controls\n", 0), 0u) << edit.out;
    EXPECT_TRUE(endsWith(edit.out, std::string("\nSketch1:1 replaced (") + name +
                                       " plane): spline of degree 3, 64 control points\n"))
        << edit.out;
    EXPECT_EQ(edit.err, "");
    const std::string edited = contents(path);
    EXPECT_NE(edited, created);
    EXPECT_NE(edited.find(R"(\"z\":\"4 * t\")"), std::string::npos) << edited;
    EXPECT_EQ(edited.find("Sketch2"), std::string::npos);  // no new sketch
    // Cancel leaves the curve as it was; OK on its own inputs leaves it too, and says so.
    const Outcome cancel = sorvane({"--design", path, "--select", "Sketch1:1", "--cancel"});
    EXPECT_EQ(cancel.status, 0) << cancel.err;
    EXPECT_TRUE(endsWith(cancel.out, "\ncancelled: nothing created\n")) << cancel.out;
    const Outcome again = sorvane({"--design", path, "--select", "Sketch1:1"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(endsWith(again.out, std::string("\nSketch1:1 unchanged (") + name +
                                        " plane): spline of degree 3, 64 control points\n"))
        << again.out;
    EXPECT_EQ(contents(path), edited);
    std::remove(path.c_str());
  }
}

// The design file keeps the inputs of the last curve made in it: a later run that gives only the
// t range draws that curve over the new range, in its unit.
TEST(Sorvane, ADesignFileOffersTheLastCurvesInputs) {
  const std::string path = scratchPath("remembered.json");
  std::remove(path.c_str());
  ASSERT_EQ(sorvane({"--design", path, "--document-units", "mm", "--x", "20*cos(t)", "--y",
                     "20*sin(t)", "--z", "0", "--t-end", "6.283185307179586"})
                .status,
            0);
  const Outcome again = sorvane({"--design", path, "--t-end", "2", "--json", "-"});
  EXPECT_EQ(again.status, 0) << again.err;
  for (const char* shown : {R"j("x": "20*cos(t)")j", R"j("tEnd": 2.0)j", R"j("units": "mm")j"}) {
    EXPECT_NE(again.out.find(shown), std::string::npos) << shown << " in " << again.out;
  }
  // A new design offers the defaults.
  const Outcome fresh = sorvane({"--json", "-"});
  EXPECT_NE(fresh.out.find(R"j("x": "cos(2 * pi * t)")j"), std::string::npos) << fresh.out;
  std::remove(path.c_str());
}

// The Parameters dialog played after run: the curves that use the parameter follow it.
TEST(Sorvane, SetParamUpdatesTheCurvesThatUseIt) {
  const std::string path = scratchPath("follow.json");
  std::remove(path.c_str());
  ASSERT_EQ(sorvane(with(kSpring, {"--design", path})).status, 0);
  ASSERT_EQ(sorvane(with(kSegment, {"--design", path})).status, 0);  // Sketch2 uses no parameter
  const std::string created = contents(path);
  const Outcome change = sorvane({"--design", path, "--set-param", "r=8"});
  EXPECT_EQ(change.status, 0) << change.err;
  EXPECT_EQ(change.out, "Parameters changed: r = 8\nSketch1:1 updated: 64 spline controls\n");
  const std::string changed = contents(path);
  EXPECT_NE(changed.find(R"(\"r\":8.0)"), std::string::npos) << changed;  // the new definition
  // Setting r to the value it has already changes nothing, and says so.
  const Outcome same = sorvane({"--design", path, "--set-param", "r=8"});
  EXPECT_EQ(same.out, "Parameters unchanged: r = 8\n");
  EXPECT_NE(changed, created);

  const Outcome unknown = sorvane({"--design", path, "--set-param", "radius=8"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.err, "sorvane: --set-param: no parameter named radius\n");
  const Outcome mixed = sorvane({"--design", path, "--set-param", "r=8", "--z", "t"});
  EXPECT_EQ(mixed.status, 2);
  EXPECT_EQ(contents(path), changed);
  std::remove(path.c_str());
}

// A followed curve's update says what a new curve would: the status the dialog shows, misses of
// the tolerance and "closed" included, while the update is still made.
TEST(Sorvane, SetParamTellsTheStatusOfEachUpdatedCurve) {
  const std::string path = scratchPath("follow_status.json");
  const std::vector<std::string> coil = {"--x", "r*cos(2*pi*t)", "--y",     "r*sin(2*pi*t)",
                                         "--z", "0.1*t",         "--t-end", "600"};
  const std::vector<std::string> wound = {"--x", "cos(2*pi*k*t)", "--y",     "sin(2*pi*k*t)",
                                          "--z", "0.1*t",         "--t-end", "1"};
  const std::vector<std::string> circle = {"--x", "r*cos(2*pi*t)", "--y", "r*sin(2*pi*t)", "--z",
                                           "0",   "--t-end",       "1"};
  // Inputs, the new value, how the summary shows it, and what the status must hold.
  const std::tuple<std::vector<std::string>, std::string, std::string, std::string> cases[] = {
      {with(coil, {"--param", "r=1"}), "r=3", "r = 3", " not met: largest deviation "},
      {with(wound, {"--param", "k=1"}), "k=2000", "k = 2000", " not met: largest deviation "},
      {with(circle, {"--param", "r=1"}), "r=2", "r = 2", ", closed"}};
  for (const auto& [inputs, setting, shown, mark] : cases) {
    std::remove(path.c_str());
    ASSERT_EQ(sorvane(with(inputs, {"--design", path})).status, 0);
    const Outcome update = sorvane({"--design", path, "--set-param", setting});
    // The same curve drawn directly with the new value.
    std::vector<std::string> direct = inputs;
    direct.back() = setting;
    const Outcome drawn = sorvane(direct);
    const std::string status = drawn.out.substr(0, drawn.out.find('\n'));
    EXPECT_NE(status.find(mark), std::string::npos) << status;
    EXPECT_EQ(update.status, 0) << update.err;
    EXPECT_EQ(update.out, "Parameters changed: " + shown + "\nSketch1:1 updated: " + status + "\n");
    EXPECT_EQ(update.err, "");
  }
  const std::string dxf = scratchPath("follow_status.dxf");
  const Outcome closed = sorvane({"--design", path, "--set-param", "r=3", "--dxf", dxf});
  EXPECT_EQ(closed.out,
            "Parameters changed: r = 3\nSketch1:1 updated: 11 spline controls, closed\n");
  // The updated spline's DXF is marked closed (1) and planar (8), as its status says.
  std::istringstream lines(contents(dxf));
  std::string line;
  while (std::getline(lines, line) && line != "SPLINE") {
  }
  while (std::getline(lines, line) && line != " 70") {
  }
  std::getline(lines, line);
  EXPECT_EQ(line, "9");
  std::remove(dxf.c_str());
  std::remove(path.c_str());
}

// A curve that cannot follow is told once, on standard error, as what it is, and standard output
// says what did change.
TEST(Sorvane, SetParamTellsWhichCurvesCouldNotFollowAndWhy) {
  const std::string path = scratchPath("follow_failed.json");
  std::remove(path.c_str());
  ASSERT_EQ(sorvane(with(kSpring, {"--design", path})).status, 0);
  const std::string created = contents(path);
  const Outcome flat = sorvane({"--design", path, "--set-param", "r=0", "--set-param", "pitch=0"});
  EXPECT_EQ(flat.status, 1);
  EXPECT_EQ(flat.out, "Parameters changed: r = 0, pitch = 0\n");
  EXPECT_EQ(flat.err,
            "sorvane: Sketch1:1 could not follow and keeps its shape: The curve is a single point "
            "(0, 0, 0): give x(t), y(t) or z(t) a term in t, or widen the t range\n");
  const Outcome mixed = sorvane({"--design", path, "--set-param", "r=0", "--set-param", "pitch=2"});
  EXPECT_EQ(mixed.status, 0) << mixed.err;
  EXPECT_EQ(mixed.out,
            "Parameters changed: pitch = 2; unchanged: r = 0\nSketch1:1 updated: 4 spline "
            "controls\n");  // the line x = y = 0, z = 2t
  EXPECT_NE(contents(path), created);
  std::remove(path.c_str());
}

// --fewest-controls ticks the box: the status, the JSON's inputs, the stored definition and the
// DXF's closed flag show it; the design remembers it for the next curve, a parameter change refits
// with it, and an edit with "no" clears it from that curve alone.
TEST(Sorvane, FewestControlsTravelsWithTheCurve) {
  const std::string path = scratchPath("fewest.json");
  const std::string dxf = scratchPath("fewest.dxf");
  std::remove(path.c_str());
  const std::vector<std::string> circle = {
      "--param", "r=1",     "--x", "r * cos(2 * pi * t)", "--y", "r * sin(2 * pi * t)", "--z",
      "0",       "--t-end", "1"};
  const Outcome made =
      sorvane(with(circle, {"--design", path, "--fewest-controls", "--dxf", dxf, "--json", "-"}));
  EXPECT_EQ(made.status, 0) << made.err;
  EXPECT_TRUE(std::regex_search(made.out, std::regex(R"j("fewestControls": true)j")));
  EXPECT_TRUE(std::regex_search(made.out, std::regex(R"j("status": "[0-9]+ spline controls, )j"
                                                     R"j(closed, fewest")j")))
      << made.out;
  const std::string drawn = contents(dxf);
  const std::size_t flags = drawn.find("\n 70\n", drawn.find("\nSPLINE\n"));
  ASSERT_NE(flags, std::string::npos) << drawn;
  EXPECT_EQ(drawn.substr(flags, 7), "\n 70\n9\n");  // closed (1) and planar (8)
  // Each of the definition on the spline and the design's last inputs asks for the fewest.
  const auto asked = [&path] {
    const std::string design = contents(path);
    int count = 0;
    for (std::size_t at = 0;
         (at = design.find(R"(\"fewestControls\":true)", at)) != std::string::npos; ++at) {
      ++count;
    }
    return count;
  };
  EXPECT_EQ(asked(), 2);

  const Outcome followed = sorvane({"--design", path, "--set-param", "r=2"});
  EXPECT_EQ(followed.status, 0) << followed.err;
  EXPECT_TRUE(std::regex_match(followed.out.substr(followed.out.find('\n') + 1),
                               std::regex("Sketch1:1 updated: [1-9][0-9]* spline controls, "
                                          "closed, fewest\n")))
      << followed.out;
  EXPECT_EQ(asked(), 2);

  const Outcome next = sorvane(with(kSegment, {"--design", path}));
  EXPECT_EQ(next.status, 0) << next.err;
  EXPECT_TRUE(std::regex_search(next.out, std::regex("^[1-9][0-9]* spline controls, fewest\n")))
      << next.out;
  EXPECT_EQ(asked(), 3);

  const Outcome cleared = sorvane(
      {"--design", path, "--select", "Sketch1:1", "--fewest-controls", "no", "--json", "-"});
  EXPECT_EQ(cleared.status, 0) << cleared.err;
  EXPECT_TRUE(std::regex_search(cleared.out, std::regex(R"j("fewestControls": false)j")));
  EXPECT_TRUE(std::regex_search(cleared.out, std::regex(R"j("status": "11 spline controls, )j"
                                                        R"j(closed\\nEditing)j")))
      << cleared.out;
  EXPECT_EQ(asked(), 1);  // the segment's own
  std::remove(dxf.c_str());
  std::remove(path.c_str());
}

// The dialog judges the tolerance, in its unit, as it judges every input.
TEST(Sorvane, ToleranceOutOfBoundsIsTheDialogsError) {
  for (const char* tolerance : {"0", "-1"}) {
    const Outcome run = sorvane({"--units", "mm", "--tolerance", tolerance});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              std::string("sorvane: Tolerance must be a number from 1e-05 to 100 mm; it is ") +
                  tolerance + "\n");
  }
}

// A sorvane built without OpenCASCADE refuses --step before any session, so nothing is written;
// with it, StepExportTest runs --step.
TEST(Sorvane, StepWithoutOpenCascadeIsAUsageError) {
#ifdef SORVANE_STEP
  GTEST_SKIP() << "built with OpenCASCADE";
#else
  const std::string path = scratchPath("unavailable.step");
  const Outcome run = sorvane({"--step", path});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "sorvane: --step: this sorvane was built without OpenCASCADE, which writes STEP files "
            "(Debian: libocct-data-exchange-dev)\n");
  EXPECT_FALSE(std::filesystem::exists(path));
#endif
}

TEST(Sorvane, HelpExitsZero) {
  const Outcome run = sorvane({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("usage: sorvane", 0), 0u);
}

TEST(Sorvane, MissingAddInExitsOne) {
  const Outcome run = sorvane({"--addin", "/nonexistent/Vintrel.so"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("sorvane: cannot load the add-in /nonexistent/Vintrel.so: ", 0), 0u)
      << run.err;
}

TEST(Sorvane, LibraryWithoutEntryPointsExitsOne) {
  // The host's own library exports no run and stop.
  const Outcome run = sorvane({"--addin", FUSIONSIM_LIBRARY});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("cannot load the add-in"), std::string::npos) << run.err;
}

#ifdef OTHER_ADDIN
TEST(Sorvane, AddInWithoutTheSorvaneButtonExitsOne) {
  const Outcome run = sorvane({"--addin", OTHER_ADDIN});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "sorvane: the add-in put no button on the Sketch panel\n");
}
#endif

}  // namespace

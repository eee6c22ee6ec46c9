// The sorvane program end to end: the built program runs the real add-in library in the
// simulated host, and these tests check what a user sees: exit status, standard output and
// standard error. The JSON, SVG and DXF files are checked by sorvane_outputs_test.py.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Outcome {
  int status;
  std::string out, err;
};

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

Outcome sorvane(const std::vector<std::string>& arguments) {
  static int counter = 0;
  const std::string errPath = ::testing::TempDir() + "sorvane_stderr_" + std::to_string(getpid()) +
                              "_" + std::to_string(counter++);
  std::string command = quoted(SORVANE_PROGRAM);
  for (const std::string& argument : arguments) command += " " + quoted(argument);
  command += " 2>" + quoted(errPath);
  Outcome run{-1, "", ""};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errPath);
  run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
  std::remove(errPath.c_str());
  return run;
}

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
                                             {"--t-end", "3x"},
                                             {"--param", "2r=1"},
                                             {"--param", "r"},
                                             {"extra"},
                                             {"--svg"}}) {
    const Outcome run = sorvane(arguments);
    EXPECT_EQ(run.status, 2) << arguments[0];
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("sorvane --help"), std::string::npos);
  }
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

// sorvane --step end to end: the file the program writes for the spline OK created, read back with
// OpenCASCADE against the spline its sketch holds (the JSON of the same run) and against the
// curve's true length; and the files it must not write.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "SorvaneRun.h"
#include "tests/tools/formats/StepReadBack.h"

// In the runner's namespace, where sorvane() is the program rather than the namespace sorvane.
namespace sorvane_program {
namespace {

using sorvane::stepcheck::readStepEdges;
using sorvane::stepcheck::StepEdge;

const double kPi = std::acos(-1.0);

std::vector<std::string> with(std::vector<std::string> base, const std::vector<std::string>& more) {
  base.insert(base.end(), more.begin(), more.end());
  return base;
}

// What sorvane prints for a new spline of `controls` in `sketch` ("new, XY").
std::string printed(const std::string& status, const std::string& sketch, int controls) {
  return status + "\nSketch1 (" + sketch + " plane): spline of degree 3, " +
         std::to_string(controls) + " control points\n";
}

// The spline of the sketch that got the curve, as the JSON gives it, in centimetres.
sorvane::Spline sketchSpline(const std::string& jsonPath) {
  const nlohmann::json spline =
      nlohmann::json::parse(contents(jsonPath))["sketches"][0]["splines"][0];
  sorvane::Spline result;
  result.degree = spline["degree"];
  for (const auto& point : spline["controlPoints"]) result.controlPoints.push_back(point);
  for (const auto& knot : spline["knots"]) result.knots.push_back(knot);
  return result;
}

// The default helix (on the XY plane, and on the tilted one, whose sketch space is not model
// space), a closed circle and the 500-turn coil; each length is the formula curve's, in mm.
TEST(StepExport, FileHoldsTheSketchsSplineAtTheCurvesLength) {
  struct Case {
    std::vector<std::string> arguments;
    int controls;
    std::string out;
    double millimetres;
  };
  const double helix = 10 * 3 * std::sqrt(4 * kPi * kPi + 1);
  const Case cases[] = {
      {{}, 32, printed("32 spline controls", "new, XY", 32), helix},
      {{"--edit-sketch", "tilted"}, 32, printed("32 spline controls", "edited, Tilted", 32), helix},
      {{"--x", "cos(2*pi*t)", "--y", "sin(2*pi*t)", "--z", "0", "--t-end", "1"},
       11,
       printed("11 spline controls, closed", "new, XY", 11),
       10 * 2 * kPi},
      {{"--x", "cos(2*pi*t)", "--y", "sin(2*pi*t)", "--z", "0.1*t", "--t-end", "500"},
       4096,
       printed("4096 spline controls", "new, XY", 4096),
       10 * 500 * std::sqrt(4 * kPi * kPi + 0.01)}};
  const std::string step = scratchPath("export.step");
  const std::string json = scratchPath("export.json");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.out);
    const Outcome run = sorvane(with(c.arguments, {"--step", step, "--json", json}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.out);  // nothing of OpenCASCADE's own
    EXPECT_EQ(run.err, "");
    const std::vector<StepEdge> edges = readStepEdges(contents(step));
    ASSERT_EQ(edges.size(), 1u);
    ASSERT_FALSE(edges[0].curve.IsNull());
    EXPECT_EQ(edges[0].curve->NbPoles(), c.controls);
    sorvane::stepcheck::expectSameCurve(edges[0].curve, sketchSpline(json));
    EXPECT_NEAR(edges[0].length, c.millimetres, 1e-3 * c.millimetres);
  }
  std::remove(step.c_str());
  std::remove(json.c_str());
}

TEST(StepExport, StandardOutputCarriesTheFileAlone) {
  const Outcome run = sorvane({"--step", "-"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("ISO-10303-21;\n", 0), 0u) << run.out.substr(0, 200);
  EXPECT_EQ(readStepEdges(run.out).size(), 1u);
}

// A file already there stays as it was, and none is made where there was none.
TEST(StepExport, NothingIsWrittenAfterAnErrorOrACancel) {
  const std::string kept = scratchPath("kept.step");
  const std::string none = scratchPath("none.step");
  writeFile(kept, "an earlier file\n");
  std::remove(none.c_str());
  for (const std::string& path : {kept, none}) {
    const Outcome cancel = sorvane({"--cancel", "--step", path});
    EXPECT_EQ(cancel.status, 0) << cancel.err;
    EXPECT_EQ(cancel.err, "sorvane: no spline was created; " + path + " not written\n");
    const Outcome error = sorvane({"--x", "cos(", "--step", path});
    EXPECT_EQ(error.status, 1);
    EXPECT_EQ(error.err.rfind("sorvane: x(t): ", 0), 0u) << error.err;
    EXPECT_EQ(error.err.find("not written"), std::string::npos) << error.err;
  }
  EXPECT_EQ(contents(kept), "an earlier file\n");
  EXPECT_FALSE(std::filesystem::exists(none));
  std::remove(kept.c_str());
}

// Each path that takes no file fails the run (exit 1) with the system's reason, after the session
// it could not record, and leaves nothing behind: no file and no half-written new one.
TEST(StepExport, AnUnwritablePathIsAnErrorWithItsReason) {
  const std::string folder = scratchPath("step_folder");
  std::filesystem::create_directories(folder);
  const std::string plain = scratchPath("plain_file");
  writeFile(plain, "");
  // A pipe stands for every special file; one of the test's own, so that a broken refusal
  // replaces nothing of the machine's.
  const std::string pipe = scratchPath("pipe.step");
  std::remove(pipe.c_str());
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string missing = scratchPath("no_such_folder");
  std::filesystem::remove_all(missing);
  const std::pair<std::string, std::string> cases[] = {
      {missing + "/h.step", "no file can be made in " + missing + ": No such file or directory"},
      {plain + "/h.step", "no file can be made in " + plain + ": Not a directory"},
      {folder, "Is a directory"},
      {pipe, "not a regular file"}};
  for (const auto& [path, reason] : cases) {
    const Outcome run = sorvane({"--step", path});
    EXPECT_EQ(run.status, 1) << path;
    EXPECT_EQ(run.out, printed("32 spline controls", "new, XY", 32));
    EXPECT_EQ(run.err, "sorvane: cannot write " + path + ": " + reason + "\n");
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
  std::filesystem::remove_all(folder);
  std::remove(plain.c_str());
  std::remove(pipe.c_str());

  const NobodysFolder nobodys;
  if (!nobodys.usable()) GTEST_SKIP() << "needs root and a program nobody may run";
  const std::string readOnly = nobodys / "ro";
  ASSERT_EQ(mkdir(readOnly.c_str(), 0555), 0);
  const Outcome denied = sorvane({"--quiet", "--step", readOnly + "/h.step"}, kAsNobody);
  EXPECT_EQ(denied.status, 1);
  EXPECT_EQ(denied.err, "sorvane: cannot write " + readOnly + "/h.step: no file can be made in " +
                            readOnly + ": Permission denied\n");
  EXPECT_TRUE(std::filesystem::is_empty(readOnly));
}

}  // namespace
}  // namespace sorvane_program

// sorvane's STEP writer, its text read back with OpenCASCADE's own reader: each spline comes back
// as one edge on the very B-spline curve written, in millimetres, and what is no B-spline curve
// is refused before anything is written. The program's files are StepExportTest's.
#include "tools/formats/StepWriter.h"

#include <gtest/gtest.h>
#include <Interface_Static.hxx>
#include <STEPControl_Controller.hxx>

#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "SampleReports.h"
#include "StepReadBack.h"

namespace sorvane {
namespace {

using stepcheck::expectSameCurve;
using stepcheck::readStepEdges;

// `count` control points on a coil of radius `radius` cm, clamped uniform knots of `degree`.
Spline coil(int count, int degree, double radius) {
  Spline spline;
  spline.degree = degree;
  for (int i = 0; i < count; ++i) {
    spline.controlPoints.push_back(
        {radius * std::cos(0.4 * i), radius * std::sin(0.4 * i), 0.1 * i});
  }
  const int spans = count - degree;
  spline.knots.assign(degree + 1, 0.0);
  for (int k = 1; k < spans; ++k) spline.knots.push_back(static_cast<double>(k) / spans);
  spline.knots.insert(spline.knots.end(), degree + 1, 1.0);
  return spline;
}

std::string stepText(const Spline& spline, const std::string& name = "Sketch1:1") {
  std::ostringstream out;
  writeStep(spline, name, out);
  return out.str();
}

// A Bezier segment; uneven knots with a double one inside; degrees 1 and 5; coordinates from 1e-5
// to 5e3 cm, which the file writes in both of its number forms. StepExportTest has the add-in's
// own splines, a closed one and the longest among them.
TEST(StepWriter, EachSplineReadsBackAsOneEdgeOnItsCurveInMillimetres) {
  Spline uneven = coil(9, 3, 2);
  uneven.knots = {0, 0, 0, 0, 0.1, 0.35, 0.35, 0.9, 0.95, 1, 1, 1, 1};
  const std::pair<const char*, Spline> cases[] = {{"segment", testing::straightSegment()},
                                                  {"uneven", uneven},
                                                  {"degree 1", coil(5, 1, 1)},
                                                  {"degree 5", coil(12, 5, 1)},
                                                  {"tiny", coil(40, 3, 1e-5)},
                                                  {"huge", coil(40, 3, 5e3)}};
  for (const auto& [label, spline] : cases) {
    SCOPED_TRACE(label);
    const std::vector<stepcheck::StepEdge> edges = readStepEdges(stepText(spline));
    ASSERT_EQ(edges.size(), 1u);
    expectSameCurve(edges[0].curve, spline);
  }
}

// The unit settings belong to the process, so a file must not take another writer's or reader's.
TEST(StepWriter, FileSaysMillimetresAndHoldsThemWhateverTheProcessSetBefore) {
  Spline spline = testing::straightSegment();
  spline.controlPoints[1] = {1.5, 0.25, 2};
  STEPControl_Controller::Init();
  ASSERT_TRUE(Interface_Static::SetCVal("write.step.unit", "INCH"));
  ASSERT_TRUE(Interface_Static::SetCVal("xstep.cascade.unit", "M"));
  const std::string text = stepText(spline, "Sketch2:3 \xC3\xA4");
  EXPECT_NE(text.find("( LENGTH_UNIT() NAMED_UNIT(*) SI_UNIT(.MILLI.,.METRE.) )"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("CARTESIAN_POINT('',(15.,2.5,20.))"), std::string::npos) << text;
  EXPECT_NE(text.find("PRODUCT('Sketch2:3 __','Sketch2:3 __',"), std::string::npos) << text;
}

// Each refusal says why; OpenCASCADE's own reason (knots a bit apart) is left unpinned. Three
// controls of degree 3 with a matching count of knots make a curve OpenCASCADE's constructor
// takes, and its edge maker then fails without a reason: only the writer's own check names it.
TEST(StepWriter, RefusesWhatIsNoBSplineCurveAndWritesNothing) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* label;
    Spline spline;
    std::string why;  // after "a STEP file needs a B-spline curve: "; "" for OpenCASCADE's
  };
  std::vector<Case> cases;
  const auto add = [&cases](const char* label, const std::string& why, auto change) {
    Spline spline = coil(6, 3, 1);  // knots 0 0 0 0 1/3 2/3 1 1 1 1
    change(spline);
    cases.push_back({label, spline, why});
  };
  const std::string outOfRange = "the degree is out of range";
  const std::string tooFew = "too few control points";
  const std::string repeats = "a knot repeats more often than the degree allows";
  add("degree 0", outOfRange, [](Spline& s) { s.degree = 0; });
  add("degree 26", outOfRange, [](Spline& s) { s = coil(30, 26, 1); });
  add("as many controls as the degree", tooFew, [](Spline& s) { s = coil(3, 3, 1); });
  add("as many controls as the degree, knots to match", tooFew,
      [](Spline& s) { s = coil(3, 3, 1), s.knots = {0, 0, 0, 0, 1, 1, 1}; });
  add("a knot too many", "the knot count is not controls + degree + 1",
      [](Spline& s) { s.knots.push_back(1); });
  add("a control point not a number", "a control point is not finite",
      [](Spline& s) { s.controlPoints[2][1] = nan; });
  add("an infinite knot", "a knot is not finite", [](Spline& s) { s.knots.back() = HUGE_VAL; });
  add("knots that decrease", "the knots decrease", [](Spline& s) { s.knots[4] = 0.8; });
  add("an inner knot four times", repeats,
      [](Spline& s) { s = coil(8, 3, 1), s.knots[5] = s.knots[6] = s.knots[7] = s.knots[4]; });
  add("an end knot five times", repeats, [](Spline& s) { s.knots[4] = 0; });
  add("knots a bit apart", "", [](Spline& s) { s.knots[5] = std::nextafter(s.knots[4], 1.0); });
  const std::string prefix = "a STEP file needs a B-spline curve: ";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::ostringstream out;
    try {
      writeStep(c.spline, "Sketch1:1", out);
      ADD_FAILURE() << "written";
    } catch (const std::invalid_argument& refusal) {
      const std::string what = refusal.what();
      EXPECT_EQ(what.rfind(prefix, 0), 0u) << what;
      if (!c.why.empty()) {
        EXPECT_EQ(what, prefix + c.why);
      }
    } catch (const std::exception& failure) {
      ADD_FAILURE() << "not refused as no B-spline curve: " << failure.what();
    }
    EXPECT_EQ(out.str(), "");
  }
}

}  // namespace
}  // namespace sorvane

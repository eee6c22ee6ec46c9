#include "tools/formats/DxfWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <sstream>

#include "SampleReports.h"

namespace sorvane {
namespace {

struct Group {
  int code;
  std::string value;
};

std::vector<Group> groupsOf(const std::string& dxf) {
  std::istringstream in(dxf);
  std::vector<Group> groups;
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) {
    groups.push_back({std::atoi(code.c_str()), value});
  }
  return groups;
}

// The groups of the first entity of the given type, up to the next entity.
std::vector<Group> entity(const std::vector<Group>& groups, const std::string& type) {
  std::vector<Group> result;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].code != 0 || groups[i].value != type) continue;
    for (++i; i < groups.size() && groups[i].code != 0; ++i) result.push_back(groups[i]);
    break;
  }
  return result;
}

std::vector<double> reals(const std::vector<Group>& groups, int code) {
  std::vector<double> values;
  for (const Group& g : groups) {
    if (g.code == code) values.push_back(std::strtod(g.value.c_str(), nullptr));
  }
  return values;
}

std::string first(const std::vector<Group>& groups, int code) {
  for (const Group& g : groups) {
    if (g.code == code) return g.value;
  }
  return "(missing)";
}

TEST(DxfWriter, WritesTheSplineExactly) {
  Spline spline = testing::straightSegment();
  spline.controlPoints[1][2] = 0.1 + 0.2;  // needs all 17 digits to read back
  spline.controlPoints[2][1] = 0.25;       // not planar any more
  std::ostringstream out;
  writeDxf({{spline}}, out);
  const std::vector<Group> groups = groupsOf(out.str());
  EXPECT_EQ(first(groups, 1), "AC1015");
  const std::vector<Group> entry = entity(groups, "SPLINE");
  EXPECT_EQ(first(entry, 70), "0");
  EXPECT_EQ(first(entry, 71), "3");
  EXPECT_EQ(first(entry, 72), "8");
  EXPECT_EQ(first(entry, 73), "4");
  EXPECT_EQ(reals(entry, 40), spline.knots);
  const std::vector<double> xs = reals(entry, 10), ys = reals(entry, 20), zs = reals(entry, 30);
  ASSERT_EQ(xs.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(xs[i], spline.controlPoints[i][0]);
    EXPECT_EQ(ys[i], spline.controlPoints[i][1]);
    EXPECT_EQ(zs[i], spline.controlPoints[i][2]);
  }
  EXPECT_EQ(first(groups, 9), "$ACADVER");
  EXPECT_EQ(groups.back().value, "EOF");
}

TEST(DxfWriter, SaysItsUnitIsTheCentimetre) {
  std::ostringstream out;
  writeDxf({{testing::straightSegment()}}, out);
  const std::vector<Group> groups = groupsOf(out.str());
  for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
    if (groups[i].code == 9 && groups[i].value == "$INSUNITS") {
      EXPECT_EQ(groups[i + 1].code, 70);
      EXPECT_EQ(groups[i + 1].value, "5");  // 5: centimetres
      return;
    }
  }
  ADD_FAILURE() << "no $INSUNITS";
}

// The planar flag (8) and the plane's unit normal (groups 210, 220, 230), its largest component
// positive.
TEST(DxfWriter, MarksASplineInOnePlanePlanar) {
  const double h = std::sqrt(0.5);
  struct Case {
    std::vector<Point3> controls;
    Point3 normal;
  };
  const std::vector<Case> cases = {
      // the segment along x in z = 0: of its planes, the one normal to z
      {testing::straightSegment().controlPoints, {0, 0, 1}},
      // a bend in the plane x + z = 1
      {{{1, 0, 0}, {0.5, 2, 0.5}, {0, 1, 1}, {0.25, 3, 0.75}}, {h, 0, h}},
      // a bend in y = 2, its normal pointing down y before the sign is chosen
      {{{0, 2, 0}, {1, 2, 0}, {1, 2, 1}, {3, 2, 5}}, {0, 1, 0}},
      // straight along z: no plane is nearer z than another
      {{{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 3}}, {1, 0, 0}},
  };
  for (const Case& c : cases) {
    Spline spline = testing::straightSegment();
    spline.controlPoints = c.controls;
    std::ostringstream out;
    writeDxf({{spline}}, out);
    const std::vector<Group> entry = entity(groupsOf(out.str()), "SPLINE");
    EXPECT_EQ(first(entry, 70), "8");
    const std::vector<double> normal = {reals(entry, 210).at(0), reals(entry, 220).at(0),
                                        reals(entry, 230).at(0)};
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(normal[i], c.normal[i], 1e-15) << i;
  }
  // A point 1e-6 off the plane x + z = 1 of a spline of size 3 is off it.
  Spline bent = testing::straightSegment();
  bent.controlPoints = {{1, 0, 0}, {0.5, 2, 0.5 + 1e-6}, {0, 1, 1}, {0.25, 3, 0.75}};
  std::ostringstream out;
  writeDxf({{bent}}, out);
  const std::vector<Group> entry = entity(groupsOf(out.str()), "SPLINE");
  EXPECT_EQ(first(entry, 70), "0");
  EXPECT_TRUE(reals(entry, 210).empty());
}

// The closed flag (1, besides planar 8) follows the add-in's word alone: a square whose ends
// meet bit for bit at a corner stays open unless it is marked closed, and the mark is not undone
// by ends 1e-12 apart.
TEST(DxfWriter, MarksClosedExactlyTheSplinesMarkedSo) {
  Spline square = testing::straightSegment();
  square.controlPoints = {{0, 0, 0}, {1, 0, 0},      {1, 1, 0}, {0.5, 1.5, 0},
                          {0, 1, 0}, {-0.5, 0.5, 0}, {0, 0, 0}};
  square.knots = {0, 0, 0, 0, 0.25, 0.5, 0.75, 1, 1, 1, 1};
  for (const Point3& last : {Point3{0, 0, 0}, Point3{1e-12, 0, 0}}) {
    square.controlPoints.back() = last;
    for (const auto& [closed, flags] : {std::pair{false, "8"}, {true, "9"}}) {
      std::ostringstream out;
      writeDxf({{square, closed}}, out);
      EXPECT_EQ(first(entity(groupsOf(out.str()), "SPLINE"), 70), flags) << last[0];
    }
  }
}

TEST(DxfWriter, StatusReportsClosedOnlyForAClosedFit) {
  for (const char* closed :
       {"11 spline controls, closed", "35 spline controls, closed\nEditing the selected curve.",
        "4096 spline controls, closed (tolerance 0.002 cm not met: largest deviation 0.01 cm)",
        "11 spline controls, closed, fewest",
        "24 spline controls, closed, fewest (tolerance 0.002 cm not met: largest deviation 0.01 "
        "cm)"}) {
    EXPECT_TRUE(statusReportsClosed(closed)) << closed;
  }
  for (const char* open : {"32 spline controls", "", "x(t): \"closed\" is not a parameter, closed",
                           "32 spline controls\n11 spline controls, closed",
                           "0 spline controls, closed", "11 spline controls, closed and more",
                           "24 spline controls, fewest", "11 spline controls, fewest, closed"}) {
    EXPECT_FALSE(statusReportsClosed(open)) << open;
  }
}

TEST(DxfWriter, GivesEveryObjectItsOwnHandleBelowTheSeed) {
  std::ostringstream out;
  writeDxf({{testing::straightSegment()}, {testing::straightSegment()}}, out);
  const std::vector<Group> groups = groupsOf(out.str());
  const unsigned long seed = std::strtoul(first(groups, 5).c_str(), nullptr, 16);  // $HANDSEED
  std::set<unsigned long> handles;
  for (std::size_t i = 1; i < groups.size(); ++i) {
    const bool ownHandle =
        groups[i].code == 105 || (groups[i].code == 5 && groups[i - 1].code != 9);
    if (!ownHandle) continue;
    const unsigned long handle = std::strtoul(groups[i].value.c_str(), nullptr, 16);
    EXPECT_TRUE(handles.insert(handle).second) << groups[i].value;
    EXPECT_LT(handle, seed);
  }
  EXPECT_EQ(handles.size(), 30u);  // 28 tables, blocks and objects, 2 splines
}

TEST(DxfWriter, RefusesMalformedSplinesAndWritesNothing) {
  std::vector<Spline> bad(3, testing::straightSegment());
  bad[0].knots.pop_back();
  bad[1].degree = 0;
  bad[2].controlPoints[0][1] = INFINITY;
  for (const Spline& spline : bad) {
    std::ostringstream out;
    EXPECT_THROW(writeDxf({{testing::straightSegment()}, {spline}}, out), std::invalid_argument);
    EXPECT_TRUE(out.str().empty());
  }
}

}  // namespace
}  // namespace sorvane

// NurbsCurve3D::createNonRational builds what the real host builds and refuses with null what it
// refuses; the curve reads back as given.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>

#include <cmath>
#include <limits>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;

struct CurveArgs {
  std::vector<std::array<double, 3>> points;
  int degree;
  std::vector<double> knots;
  bool nullPoint = false;
};

Ptr<NurbsCurve3D> create(const CurveArgs& args) {
  std::vector<Ptr<Point3D>> points;
  for (const auto& p : args.points) points.push_back(Point3D::create(p[0], p[1], p[2]));
  if (args.nullPoint) points[1] = nullptr;
  return NurbsCurve3D::createNonRational(points, args.degree, args.knots, false);
}

// A clamped cubic with four control points: 4 + 3 + 1 = 8 knots.
CurveArgs cubic() {
  return {{{0, 0, 0}, {1, 2, 0}, {2, -1, 1}, {3, 0, 2}}, 3, {0, 0, 0, 0, 1, 1, 1, 1}};
}

TEST(SimNurbsCurve3D, ReadsBackAsCreated) {
  fsim::HostSession session;
  Ptr<NurbsCurve3D> curve = create(cubic());
  ASSERT_TRUE(curve);
  EXPECT_EQ(curve->controlPointCount(), 4);
  EXPECT_EQ(curve->degree(), 3);
  EXPECT_EQ(curve->knotCount(), 8);
  EXPECT_FALSE(curve->isRational());
  EXPECT_EQ(curve->knots(), cubic().knots);
  EXPECT_EQ(curve->controlPoints()[2]->z(), 1.0);
  EXPECT_EQ(Ptr<Curve3D>(curve)->curveType(), NurbsCurve3DCurveType);
}

TEST(SimNurbsCurve3D, RefusesWhatTheHostRefuses) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<std::pair<const char*, CurveArgs>> cases;
  auto add = [&](const char* what, auto change) {
    CurveArgs args = cubic();
    change(args);
    cases.emplace_back(what, args);
  };
  add("one knot too few", [](CurveArgs& a) { a.knots.pop_back(); });
  add("one knot too many", [](CurveArgs& a) { a.knots.push_back(1); });
  add("decreasing knots", [](CurveArgs& a) { a.knots[4] = -1; });
  add("NaN knot", [&](CurveArgs& a) { a.knots[4] = nan; });
  add("infinite control point", [&](CurveArgs& a) { a.points[1][0] = inf; });
  add("degree 0", [](CurveArgs& a) {
    a.degree = 0;
    a.knots = {0, 1, 2, 3, 4};
  });
  add("fewer points than degree + 1", [](CurveArgs& a) {
    a.points.resize(3);
    a.knots = {0, 0, 0, 0, 1, 1, 1};
  });
  add("null control point", [](CurveArgs& a) { a.nullPoint = true; });

  fsim::HostSession session;
  for (const auto& c : cases) EXPECT_FALSE(create(c.second)) << c.first;
  EXPECT_TRUE(session.heldObjects().empty());
}

}  // namespace

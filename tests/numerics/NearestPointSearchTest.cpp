#include "numerics/NearestPointSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "numerics/BezierSpans.h"

namespace {

using Curve = num::BSplineCurve<double>;

// Nine controls round most of a turn, rising slowly.
Curve arc() {
  std::vector<double> controls;
  for (int i = 0; i < 9; ++i) {
    controls.insert(controls.end(), {std::cos(0.6 * i), std::sin(0.6 * i), 0.05 * i});
  }
  return Curve(3, controls, Curve::ClampedUniformSetup(9, 3));
}

// A quarter-circle-like arc of controls: the branch and bound's distance agrees with a dense scan
// of the curve, from points inside, outside and far off, and from a point on the curve it is 0.
TEST(NearestPointSearch, FindsTheNearestPointOfTheWholeCurve) {
  Curve curve = arc();
  const num::BezierSpans<double> pieces(curve, 1.0);
  num::NearestPointSearch<double> search(pieces, 1e-12);
  for (const std::vector<double>& p : std::vector<std::vector<double>>{
           {0.1, 0.2, 0.0}, {1.5, 1.5, 0.3}, {-20.0, 4.0, 9.0}, {0.0, 0.0, 0.2}}) {
    double scanned = HUGE_VAL;
    for (int k = 0; k <= 200000; ++k) {
      double point[3];
      curve.EvaluatePoint(k / 200000.0, point);
      scanned = std::min(scanned, std::sqrt(num::SquaredDistance(point, p.data())));
    }
    const double found = search.Distance(p.data(), HUGE_VAL, 0.0);
    EXPECT_LE(found, scanned + 1e-12);
    EXPECT_NEAR(found, scanned, 1e-9);
  }
  double onCurve[3];
  curve.EvaluatePoint(0.37, onCurve);
  EXPECT_NEAR(search.Distance(onCurve, HUGE_VAL, 0.0), 0.0, 1e-12);
  EXPECT_FALSE(search.RanOut());
}

// Out of steps, the search gives what it has (here nothing nearer than its upper bound) and says
// that it ran out.
TEST(NearestPointSearch, StopsWhenItsStepsRunOut) {
  const num::BezierSpans<double> pieces(arc(), 1.0);
  num::NearestPointSearch<double> search(pieces, 1e-12);
  search.LimitSteps(0);
  const double p[3] = {2.5, 1.0, 0.0};
  EXPECT_EQ(search.Distance(p, 7.0, 0.0), 7.0);
  EXPECT_TRUE(search.RanOut());
}

}  // namespace

#include "numerics/LocalSquaredDistance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/BSplineCurve.h"
#include "numerics/CubicSpans.h"

namespace {

using Curve = num::BSplineCurve<double>;

// Eleven controls evenly along the x axis: a clamped line whose x is not linear in u near the
// ends, so that a search must really look for its nearest point.
Curve lineOfControls(int n) {
  std::vector<double> controls;
  for (int i = 0; i < n; ++i) controls.insert(controls.end(), {double(i), 0.0, 0.0});
  return Curve(3, controls, Curve::ClampedUniformSetup(n, 3));
}

// A target 0.3 beside the line's point 0.84 of a span past the starting parameter: the search
// reaches it, within its one span each way, in both directions (0.3² = 0.09).
TEST(LocalSquaredDistance, ReachesAWholeSpanFromItsStartingParameter) {
  const num::CubicSpans<double> spans = num::CubicSpans<double>::FromClamped(lineOfControls(11));
  const double span = 1.0 / spans.SpanCount();
  const double start = 4 * span;
  for (double away : {0.84, -0.84}) {
    double onLine[3];
    spans.Evaluate(start + away * span, onLine);
    const double target[3] = {onLine[0], 0.3, 0.0};
    EXPECT_NEAR(spans.SquaredDistanceNear(target, start), 0.09, 1e-12) << away;
  }
}

// Without derivatives the search is a scan and a golden section: on the unit circle, from the
// point (2, 0, 0) the nearest point is (1, 0, 0), at distance 1, found from a bracket around it.
struct UnitCircle {
  void Evaluate(double u, double* point) const {
    point[0] = std::cos(u);
    point[1] = std::sin(u);
    point[2] = 0.0;
  }
};

TEST(LocalSquaredDistance, SearchesACurveWithoutDerivatives) {
  const double target[3] = {2.0, 0.0, 0.0};
  EXPECT_NEAR(num::LocalSquaredDistance(UnitCircle{}, target, -1.0, 0.7, {8, 40, 0}), 1.0, 1e-14);
  // A scan alone keeps its best scanned parameter: u = 0.2 of 0.2, 0.4, ... (squared distance
  // (2 - cos 0.2)² + sin² 0.2 = 5 - 4 cos 0.2).
  EXPECT_DOUBLE_EQ(num::LocalSquaredDistance(UnitCircle{}, target, 0.2, 1.0, {4, 0, 0}),
                   5 - 4 * std::cos(0.2));
}

}  // namespace

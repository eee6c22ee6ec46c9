// Curves for the curve library's tests, sampled as the add-in samples them (2049 points and the
// midpoints between them, "pi" the only constant) and fitted with a chosen number of controls.
#pragma once

#include <string>

#include "curve/formula/ParameterTable.h"
#include "curve/formula/SamplePoints.h"
#include "curve/sampling/SampledCurve.h"
#include "curve/sampling/sampleCurve.h"
#include "numerics/BSplineCurveFit.h"

namespace curve_testing {

/// The constants of a design without parameters.
inline const vintrel::curve::ParameterTable kPi{{"pi", 3.141592653589793}};

/// The samples and midpoints of (x(t), y(t), z(t)) for t from 0 to tEnd.
inline vintrel::curve::SampledCurve sampled(const std::string& x, const std::string& y,
                                            const std::string& z, double tEnd = 1.0) {
  return vintrel::curve::sampleCurve({0.0, tEnd, x, y, z}, kPi);
}

/// The cubic least-squares fit of `samples` with `controlCount` controls.
inline num::BSplineCurveFit<double> fitted(const vintrel::curve::SamplePoints& samples,
                                           int controlCount) {
  return num::BSplineCurveFit<double>(3, static_cast<int>(samples.size()),
                                      vintrel::curve::flatCoordinates(samples), 3, controlCount);
}

/// The segment from (0, 0, 0) to (1, 0, 0) as judged points, without formulas (so the broken
/// line through them is the formula's curve): samples at x = k / 4, midpoints between them.
inline vintrel::curve::SampledCurve unitSegmentPoints() {
  vintrel::curve::SampledCurve segment;
  for (int k = 0; k <= 4; ++k) segment.samples.push_back({0.25 * k, 0.0, 0.0});
  for (int k = 0; k < 4; ++k) segment.midpoints.push_back({0.25 * k + 0.125, 0.0, 0.0});
  return segment;
}

}  // namespace curve_testing

#include "curve/fitNurbsCurve.h"

#include <vector>

#include "curve/fitSplineToSamples.h"

using namespace adsk::core;

namespace {

constexpr int kDegree = 3;

Ptr<NurbsCurve3D> toNurbsCurve(const num::BSplineCurveFit<double>& fit) {
  const int count = fit.ControlPointCount();
  const auto& coordinates = fit.ControlCoordinates();
  std::vector<Ptr<Point3D>> controlPoints;
  controlPoints.reserve(count);
  for (int i = 0; i < count; ++i) {
    controlPoints.push_back(
        Point3D::create(coordinates[3 * i], coordinates[3 * i + 1], coordinates[3 * i + 2]));
  }
  const auto& knotVector = fit.Basis().KnotVector();
  const std::vector<double> knots(knotVector.begin(), knotVector.end());
  return NurbsCurve3D::createNonRational(controlPoints, kDegree, knots, false);
}

}  // namespace

NurbsCurveFit fitNurbsCurve(const SamplePoints& samples, double tolerance) {
  SplineFit fit = fitSplineToSamples(samples, tolerance);
  NurbsCurveFit result;
  result.curve = toNurbsCurve(*fit.curve);
  result.toleranceMet = fit.toleranceMet;
  result.spline = fit.curve;
  return result;
}

#include "curvehost/toNurbsCurve.h"

#include <vector>

using namespace adsk::core;

namespace {

constexpr int kDegree = 3;

}  // namespace

Ptr<NurbsCurve3D> toNurbsCurve(const num::BSplineCurve<double>& fit) {
  const int count = fit.ControlPointCount();
  const auto& coordinates = fit.ControlCoordinates();
  std::vector<Ptr<Point3D>> controlPoints;
  controlPoints.reserve(count);
  for (int i = 0; i < count; ++i) {
    controlPoints.push_back(
        Point3D::create(coordinates[3 * i], coordinates[3 * i + 1], coordinates[3 * i + 2]));
  }
  return NurbsCurve3D::createNonRational(controlPoints, kDegree, fit.Basis().KnotVector(), false);
}

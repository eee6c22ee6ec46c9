#include "curvehost/toNurbsCurve.h"

#include <cstddef>

using namespace adsk::core;

namespace vintrel::curvehost {

namespace {

constexpr int kDegree = 3;

}  // namespace

Ptr<NurbsCurve3D> toNurbsCurve(const num::BSplineCurve<double>& curve) {
  return toNurbsCurve(curve.ControlCoordinates(), curve.Basis().KnotVector());
}

Ptr<NurbsCurve3D> toNurbsCurve(const std::vector<double>& controlCoordinates,
                               const std::vector<double>& knots) {
  const std::size_t count = controlCoordinates.size() / 3;
  std::vector<Ptr<Point3D>> controlPoints;
  controlPoints.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    controlPoints.push_back(Point3D::create(
        controlCoordinates[3 * i], controlCoordinates[3 * i + 1], controlCoordinates[3 * i + 2]));
  }
  return NurbsCurve3D::createNonRational(controlPoints, kDegree, knots, false);
}

}  // namespace vintrel::curvehost

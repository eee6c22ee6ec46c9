#include "curvehost/toNurbsCurve.h"

#include <cstddef>

#include "fusionkit/NullObjectError.h"

using vintrel::curve::AffineMap;
using vintrel::curve::ComputedCurve;

using namespace adsk::core;
using hv::f360::throwIfNull;

namespace vintrel::curvehost {

namespace {

constexpr int kDegree = 3;

}  // namespace

Ptr<NurbsCurve3D> toNurbsCurve(const ComputedCurve& curve) {
  Ptr<NurbsCurve3D> nurbs = toNurbsCurve(curve.controlCentimetres(), curve.knots());
  throwIfNull(nurbs);
  return nurbs;
}

Ptr<NurbsCurve3D> toNurbsCurve(const ComputedCurve& curve, const AffineMap& placement) {
  // An affine map moves a B-spline exactly by moving its control points.
  Ptr<NurbsCurve3D> nurbs =
      toNurbsCurve(placement.mapCoordinates(curve.controlCentimetres()), curve.knots());
  throwIfNull(nurbs);
  return nurbs;
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

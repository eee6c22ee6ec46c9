// The simulated NurbsCurve3D and its exported creators.
#include "host/sim/SimNurbsCurve3D.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "host/sim/HostArrays.h"
#include "host/sim/SimMatrix3D.h"
#include "host/sim/SimPoint3D.h"
#include "host/sim/Transforms.h"

namespace fsim {

namespace {

bool finite(const std::vector<double>& values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The curve's data from the raw creator arguments; false for a null control point.
bool gather(adsk::core::Point3D** points, size_t count, int degree, const double* knots,
            size_t knotCount, bool periodic, NurbsData& data) {
  if (count > 0 && !points) return false;
  if (knotCount > 0 && !knots) return false;
  data.degree = degree;
  data.periodic = periodic;
  for (size_t i = 0; i < count; ++i) {
    auto* point = dynamic_cast<SimPoint3D*>(points[i]);
    if (!point) return false;
    data.controlPoints.push_back(point->xyz());
  }
  data.knots.assign(knots, knots + knotCount);
  return true;
}

}  // namespace

bool SimNurbsCurve3D::acceptable(const NurbsData& data, const std::vector<double>* weights) {
  const size_t n = data.controlPoints.size();
  if (data.degree < 1 || n < static_cast<size_t>(data.degree) + 1) return false;
  if (data.knots.size() != n + data.degree + 1) return false;
  if (!finite(data.knots) || !std::is_sorted(data.knots.begin(), data.knots.end())) return false;
  for (const auto& p : data.controlPoints) {
    if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) return false;
  }
  if (weights) {
    if (weights->size() != n || !finite(*weights)) return false;
    if (!std::all_of(weights->begin(), weights->end(), [](double w) { return w > 0; })) {
      return false;
    }
  }
  return true;
}

adsk::core::Curve3DTypes SimNurbsCurve3D::curveType_raw() const {
  refused("Curve3D.curveType");
  return adsk::core::NurbsCurve3DCurveType;
}

adsk::core::CurveEvaluator3D* SimNurbsCurve3D::evaluator_raw() const {
  refused("Curve3D.evaluator");
  return nullptr;  // evaluators are not simulated
}

bool SimNurbsCurve3D::transformBy_raw(adsk::core::Matrix3D* matrix) {
  if (refused("Curve3D.transformBy")) return false;
  auto* transform = dynamic_cast<SimMatrix3D*>(matrix);
  if (!transform || !transform->alive()) return false;
  data_ = transformedCurve(data_, transform->cells());
  return true;
}

int SimNurbsCurve3D::controlPointCount_raw() const {
  if (refused("NurbsCurve3D.controlPointCount")) return 0;
  return static_cast<int>(data_.controlPoints.size());
}

int SimNurbsCurve3D::degree_raw() const {
  if (refused("NurbsCurve3D.degree")) return 0;
  return data_.degree;
}

int SimNurbsCurve3D::knotCount_raw() const {
  if (refused("NurbsCurve3D.knotCount")) return 0;
  return static_cast<int>(data_.knots.size());
}

bool SimNurbsCurve3D::isRational_raw() const {
  return !refused("NurbsCurve3D.isRational") && data_.rational;
}

bool SimNurbsCurve3D::isClosed_raw() const {
  if (refused("NurbsCurve3D.isClosed") || data_.controlPoints.empty()) return false;
  return data_.periodic || data_.controlPoints.front() == data_.controlPoints.back();
}

bool SimNurbsCurve3D::isPeriodic_raw() const {
  return !refused("NurbsCurve3D.isPeriodic") && data_.periodic;
}

adsk::core::Point3D** SimNurbsCurve3D::newControlPointArray(size_t& size) const {
  std::vector<adsk::core::Point3D*> points;
  for (const auto& p : data_.controlPoints) {
    points.push_back(handOut(std::make_shared<SimPoint3D>(p)));
  }
  return newHostObjectArray(points, size);
}

adsk::core::Point3D** SimNurbsCurve3D::controlPoints_raw(size_t& return_size) const {
  return_size = 0;
  if (refused("NurbsCurve3D.controlPoints")) return nullptr;
  return newControlPointArray(return_size);
}

double* SimNurbsCurve3D::knots_raw(size_t& return_size) const {
  return_size = 0;
  if (refused("NurbsCurve3D.knots")) return nullptr;
  return newHostDoubles(data_.knots, return_size);
}

adsk::core::NurbsCurve3D* SimNurbsCurve3D::copy_raw() const {
  if (refused("NurbsCurve3D.copy")) return nullptr;
  return handOut(std::make_shared<SimNurbsCurve3D>(data_, weights_));
}

adsk::core::NurbsCurve3D* SimNurbsCurve3D::extract_raw(double, double) const {
  refused("NurbsCurve3D.extract");
  return nullptr;  // not simulated
}

bool SimNurbsCurve3D::reverse_raw() {
  if (refused("NurbsCurve3D.reverse")) return false;
  std::reverse(data_.controlPoints.begin(), data_.controlPoints.end());
  std::reverse(weights_.begin(), weights_.end());
  // Reversed parameter: u -> first + last - u, in reverse order.
  if (!data_.knots.empty()) {
    double sum = data_.knots.front() + data_.knots.back();
    std::reverse(data_.knots.begin(), data_.knots.end());
    for (double& k : data_.knots) k = sum - k;
  }
  return true;
}

bool SimNurbsCurve3D::getData_raw(adsk::core::Point3D**& controlPoints, size_t& controlPoints_size,
                                  int& degree, double*& knots, size_t& knots_size, bool& isRational,
                                  double*& weights, size_t& weights_size, bool& isPeriodic) const {
  if (refused("NurbsCurve3D.getData")) return false;
  controlPoints = newControlPointArray(controlPoints_size);
  degree = data_.degree;
  knots = newHostDoubles(data_.knots, knots_size);
  isRational = data_.rational;
  weights = newHostDoubles(weights_, weights_size);
  isPeriodic = data_.periodic;
  return true;
}

}  // namespace fsim

namespace adsk {
namespace core {

NurbsCurve3D* NurbsCurve3D::createNonRational_raw(Point3D** controlPoints,
                                                  size_t controlPoints_size, int degree,
                                                  const double* knots, size_t knots_size,
                                                  bool isPeriodic) {
  if (fsim::operationFails("NurbsCurve3D.createNonRational")) return nullptr;
  fsim::NurbsData data;
  if (!fsim::gather(controlPoints, controlPoints_size, degree, knots, knots_size, isPeriodic,
                    data) ||
      !fsim::SimNurbsCurve3D::acceptable(data, nullptr)) {
    return nullptr;
  }
  return fsim::handOut(std::make_shared<fsim::SimNurbsCurve3D>(data));
}

NurbsCurve3D* NurbsCurve3D::createRational_raw(Point3D** controlPoints, size_t controlPoints_size,
                                               int degree, const double* knots, size_t knots_size,
                                               const double* weights, size_t weights_size,
                                               bool isPeriodic) {
  if (fsim::operationFails("NurbsCurve3D.createRational")) return nullptr;
  fsim::NurbsData data;
  if (!fsim::gather(controlPoints, controlPoints_size, degree, knots, knots_size, isPeriodic,
                    data) ||
      (weights_size > 0 && !weights)) {
    return nullptr;
  }
  data.rational = true;
  std::vector<double> weightValues(weights, weights + weights_size);
  if (!fsim::SimNurbsCurve3D::acceptable(data, &weightValues)) return nullptr;
  return fsim::handOut(std::make_shared<fsim::SimNurbsCurve3D>(data, weightValues));
}

}  // namespace core
}  // namespace adsk

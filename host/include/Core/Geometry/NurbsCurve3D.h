// A transient NURBS curve. Add-ins build one from control points, degree and knots and hand it
// to a sketch or to custom graphics; the knot vector holds control points + degree + 1 values.
#pragma once

#include <vector>

#include "Curve3D.h"

namespace adsk {
namespace core {

class Point3D;

// The static creators live in the host library.
#ifdef XINTERFACE_EXPORTS
#define ADSK_CORE_NURBSCURVE3D_API XI_EXPORT
#else
#define ADSK_CORE_NURBSCURVE3D_API XI_IMPORT
#endif

class NurbsCurve3D : public Curve3D {
 public:
  /// A new non-rational curve; null on failure (e.g. a knot count other than controls + degree +
  /// 1).
  static Ptr<NurbsCurve3D> createNonRational(const std::vector<Ptr<Point3D>>& controlPoints,
                                             int degree, const std::vector<double>& knots,
                                             bool isPeriodic);

  /// A new rational curve, one weight per control point; null on failure.
  static Ptr<NurbsCurve3D> createRational(const std::vector<Ptr<Point3D>>& controlPoints,
                                          int degree, const std::vector<double>& knots,
                                          const std::vector<double>& weights, bool isPeriodic);

  /// The number of control points.
  int controlPointCount() const;

  /// The degree.
  int degree() const;

  /// The number of knots.
  int knotCount() const;

  /// Whether the curve has weights.
  bool isRational() const;

  /// Whether the curve ends where it starts.
  bool isClosed() const;

  /// Whether the curve is periodic.
  bool isPeriodic() const;

  /// The control points, in order.
  std::vector<Ptr<Point3D>> controlPoints() const;

  /// The knot vector.
  std::vector<double> knots() const;

  /// An independent copy.
  Ptr<NurbsCurve3D> copy() const;

  /// The part between two parameters, as a new curve; null on failure.
  Ptr<NurbsCurve3D> extract(double startParam, double endParam) const;

  /// Reverses the curve's direction; false on failure.
  bool reverse();

  /// The curve's whole definition: control points, degree, knots, whether it is rational (then with
  /// one weight per control point) and periodic. True on success.
  bool getData(std::vector<Ptr<Point3D>>& controlPoints, int& degree, std::vector<double>& knots,
               bool& isRational, std::vector<double>& weights, bool& isPeriodic) const;

  static const char* classType() { return "adsk::core::NurbsCurve3D"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<NurbsCurve3D*>(this)
                                               : Curve3D::queryInterface(id);
  }

 private:
  ADSK_CORE_NURBSCURVE3D_API static NurbsCurve3D* createNonRational_raw(
      Point3D** controlPoints, size_t controlPoints_size, int degree, const double* knots,
      size_t knots_size, bool isPeriodic);
  ADSK_CORE_NURBSCURVE3D_API static NurbsCurve3D* createRational_raw(
      Point3D** controlPoints, size_t controlPoints_size, int degree, const double* knots,
      size_t knots_size, const double* weights, size_t weights_size, bool isPeriodic);
  virtual int controlPointCount_raw() const = 0;
  virtual int degree_raw() const = 0;
  virtual int knotCount_raw() const = 0;
  virtual bool isRational_raw() const = 0;
  virtual bool isClosed_raw() const = 0;
  virtual bool isPeriodic_raw() const = 0;
  virtual Point3D** controlPoints_raw(size_t& return_size) const = 0;
  virtual double* knots_raw(size_t& return_size) const = 0;
  virtual NurbsCurve3D* copy_raw() const = 0;
  virtual NurbsCurve3D* extract_raw(double startParam, double endParam) const = 0;
  virtual bool reverse_raw() = 0;
  virtual bool getData_raw(Point3D**& controlPoints, size_t& controlPoints_size, int& degree,
                           double*& knots, size_t& knots_size, bool& isRational, double*& weights,
                           size_t& weights_size, bool& isPeriodic) const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<NurbsCurve3D> NurbsCurve3D::createNonRational(
    const std::vector<Ptr<Point3D>>& controlPoints, int degree, const std::vector<double>& knots,
    bool isPeriodic) {
  std::vector<Point3D*> controlPointsRaw;
  controlPointsRaw.reserve(controlPoints.size());
  for (const auto& item : controlPoints) controlPointsRaw.push_back(item.get());
  Ptr<NurbsCurve3D> res = createNonRational_raw(controlPointsRaw.data(), controlPointsRaw.size(),
                                                degree, knots.data(), knots.size(), isPeriodic);
  return res;
}

inline Ptr<NurbsCurve3D> NurbsCurve3D::createRational(
    const std::vector<Ptr<Point3D>>& controlPoints, int degree, const std::vector<double>& knots,
    const std::vector<double>& weights, bool isPeriodic) {
  std::vector<Point3D*> controlPointsRaw;
  controlPointsRaw.reserve(controlPoints.size());
  for (const auto& item : controlPoints) controlPointsRaw.push_back(item.get());
  Ptr<NurbsCurve3D> res =
      createRational_raw(controlPointsRaw.data(), controlPointsRaw.size(), degree, knots.data(),
                         knots.size(), weights.data(), weights.size(), isPeriodic);
  return res;
}

inline int NurbsCurve3D::controlPointCount() const { return controlPointCount_raw(); }

inline int NurbsCurve3D::degree() const { return degree_raw(); }

inline int NurbsCurve3D::knotCount() const { return knotCount_raw(); }

inline bool NurbsCurve3D::isRational() const { return isRational_raw(); }

inline bool NurbsCurve3D::isClosed() const { return isClosed_raw(); }

inline bool NurbsCurve3D::isPeriodic() const { return isPeriodic_raw(); }

inline std::vector<Ptr<Point3D>> NurbsCurve3D::controlPoints() const {
  std::vector<Ptr<Point3D>> res;
  size_t returnSize = 0;
  Point3D** p = controlPoints_raw(returnSize);
  if (p) {
    res.assign(p, p + returnSize);
    DeallocateArray(p);
  }
  return res;
}

inline std::vector<double> NurbsCurve3D::knots() const {
  std::vector<double> res;
  size_t returnSize = 0;
  double* p = knots_raw(returnSize);
  if (p) {
    res.assign(p, p + returnSize);
    DeallocateArray(p);
  }
  return res;
}

inline Ptr<NurbsCurve3D> NurbsCurve3D::copy() const {
  Ptr<NurbsCurve3D> res = copy_raw();
  return res;
}

inline Ptr<NurbsCurve3D> NurbsCurve3D::extract(double startParam, double endParam) const {
  Ptr<NurbsCurve3D> res = extract_raw(startParam, endParam);
  return res;
}

inline bool NurbsCurve3D::reverse() { return reverse_raw(); }

inline bool NurbsCurve3D::getData(std::vector<Ptr<Point3D>>& controlPoints, int& degree,
                                  std::vector<double>& knots, bool& isRational,
                                  std::vector<double>& weights, bool& isPeriodic) const {
  Point3D** points = nullptr;
  size_t pointCount = 0;
  double* knotArray = nullptr;
  size_t knotCount = 0;
  double* weightArray = nullptr;
  size_t weightCount = 0;
  bool res = getData_raw(points, pointCount, degree, knotArray, knotCount, isRational, weightArray,
                         weightCount, isPeriodic);
  controlPoints.clear();
  knots.clear();
  weights.clear();
  if (points) {
    controlPoints.assign(points, points + pointCount);
    DeallocateArray(points);
  }
  if (knotArray) {
    knots.assign(knotArray, knotArray + knotCount);
    DeallocateArray(knotArray);
  }
  if (weightArray) {
    weights.assign(weightArray, weightArray + weightCount);
    DeallocateArray(weightArray);
  }
  return res;
}

}  // namespace core
}  // namespace adsk

#undef ADSK_CORE_NURBSCURVE3D_API

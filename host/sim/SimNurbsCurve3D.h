// A transient NURBS curve: created by NurbsCurve3D::createNonRational (or createRational), which
// refuse with null what the real host refuses, and read back by the add-in and by the sketch and
// custom graphics that copy it.
#pragma once

#include <Core/CoreAll.h>

#include <vector>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimNurbsCurve3D : public Sim<adsk::core::NurbsCurve3D> {
 public:
  explicit SimNurbsCurve3D(NurbsData data, std::vector<double> weights = {})
      : data_(std::move(data)), weights_(std::move(weights)) {}
  const NurbsData& data() const { return data_; }

  /// Whether a curve of these values is one the host builds: degree at least 1, at least
  /// degree + 1 control points, exactly controls + degree + 1 knots, non-decreasing knots, all
  /// values finite, and (rational) one positive finite weight per control point.
  static bool acceptable(const NurbsData& data, const std::vector<double>* weights);

 private:
  adsk::core::Curve3DTypes curveType_raw() const override;
  adsk::core::CurveEvaluator3D* evaluator_raw() const override;
  bool transformBy_raw(adsk::core::Matrix3D* matrix) override;
  int controlPointCount_raw() const override;
  int degree_raw() const override;
  int knotCount_raw() const override;
  bool isRational_raw() const override;
  bool isClosed_raw() const override;
  bool isPeriodic_raw() const override;
  adsk::core::Point3D** controlPoints_raw(size_t& return_size) const override;
  double* knots_raw(size_t& return_size) const override;
  adsk::core::NurbsCurve3D* copy_raw() const override;
  adsk::core::NurbsCurve3D* extract_raw(double startParam, double endParam) const override;
  bool reverse_raw() override;
  bool getData_raw(adsk::core::Point3D**& controlPoints, size_t& controlPoints_size, int& degree,
                   double*& knots, size_t& knots_size, bool& isRational, double*& weights,
                   size_t& weights_size, bool& isPeriodic) const override;

  adsk::core::Point3D** newControlPointArray(size_t& size) const;

  NurbsData data_;
  std::vector<double> weights_;
};

}  // namespace fsim

// The base of the transient 3D curves (lines, arcs, NURBS curves...). Custom graphics draw any of
// them except an infinite line.
#pragma once

#include "../Base.h"
#include "../CoreTypeDefs.h"

namespace adsk {
namespace core {

class CurveEvaluator3D;
class Matrix3D;

class Curve3D : public Base {
 public:
  /// Which kind of curve this is.
  Curve3DTypes curveType() const;

  /// An evaluator of the curve.
  Ptr<CurveEvaluator3D> evaluator() const;

  /// Transforms the curve in place; false on failure.
  bool transformBy(const Ptr<Matrix3D>& matrix);

  static const char* classType() { return "adsk::core::Curve3D"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Curve3D*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual Curve3DTypes curveType_raw() const = 0;
  virtual CurveEvaluator3D* evaluator_raw() const = 0;
  virtual bool transformBy_raw(Matrix3D* matrix) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Curve3DTypes Curve3D::curveType() const { return curveType_raw(); }

inline Ptr<CurveEvaluator3D> Curve3D::evaluator() const {
  Ptr<CurveEvaluator3D> res = evaluator_raw();
  return res;
}

inline bool Curve3D::transformBy(const Ptr<Matrix3D>& matrix) {
  return transformBy_raw(matrix.get());
}

}  // namespace core
}  // namespace adsk

// The one step from a formula curve's description to what the host receives: the request sampled
// with the design's parameters and fitted within its tolerance, in its unit, handed out as the
// fit's status, as the host's NURBS curve in centimetres and as the definition stored with it. The
// dialog's preview and OK and the following of the design's parameters all compute their curves
// with it.
#pragma once

#include <Core/CoreAll.h>

#include <string>
#include <vector>

#include "curve/fit/fitSplineToSamples.h"
#include "curve/formula/CurveRequest.h"
#include "curve/formula/ParameterTable.h"
#include "curve/placement/AffineMap.h"
#include "curve/sampling/SampledCurve.h"
#include "curve/status/FitStatus.h"

namespace vintrel::curvehost {

/// A formula curve, sampled and fitted once; the host is asked for nothing until a NURBS curve is.
class FormulaCurve {
 public:
  /// Samples `request` with `parameters` (sampleCurve; the parameters as the formulas read them,
  /// lengths in the request's unit), then fits the samples (fitSplineToSamples with the request's
  /// tolerance).
  /// Throws what they throw: std::runtime_error for a t end that is not finite or a t range too
  /// wide, a tolerance out of bounds, an expression that fails, a value that is not finite, a
  /// single point, a jump or a coordinate too large to fit.
  FormulaCurve(const curve::CurveRequest& request, const curve::ParameterTable& parameters);

  /// The request the curve was computed from.
  const curve::CurveRequest& request() const { return request_; }

  /// The accepted fit, in the request's unit; its curve is never null.
  const curve::SplineFit& fit() const { return fit_; }

  /// The fit's status as the dialog shows it: fitStatus of the fit and the samples with the
  /// request's tolerance (the deviation is measured only when the fit missed the tolerance).
  curve::FitStatus status() const;

  /// The status's text (statusText), in the request's unit.
  std::string statusText() const;

  /// The fit as the host's NURBS curve in the formulas' own space, in centimetres (toNurbsCurve:
  /// its control points scaled from the request's unit, knots and degree as fitted).
  /// Throws hv::f360::NullObjectError when the host gives no curve.
  adsk::core::Ptr<adsk::core::NurbsCurve3D> nurbsCurve() const;

  /// The same curve carried into another space by `placement` (such as a sketch's map into the
  /// model), which acts on centimetres: every control point mapped, knots and degree kept.
  /// Throws hv::f360::NullObjectError when the host gives no curve.
  adsk::core::Ptr<adsk::core::NurbsCurve3D> nurbsCurve(const curve::AffineMap& placement) const;

  /// The definition stored with the curve: writeCurveDefinition of the request and of the
  /// parameters its expressions name (namedParameters), with the values it was sampled with
  /// (lengths in the request's unit).
  /// Throws CurveDefinitionError when a value is not finite or the text would be too long to
  /// store.
  std::string definition() const;

 private:
  // The fit's control points in centimetres; the very coordinates for a curve in centimetres.
  std::vector<double> controlCentimetres() const;

  curve::CurveRequest request_;
  curve::ParameterTable parameters_;
  curve::SampledCurve sampled_;
  curve::SplineFit fit_;
};

}  // namespace vintrel::curvehost

// A formula curve computed from its description: the request sampled with the design's parameters
// and fitted within its tolerance, in its unit, handed out as the fit, its status and text, the
// control points in the host's centimetres and the definition stored with the curve. The dialog's
// preview and OK, the following of the design's parameters and sorvane's account of a parameter
// change all compute their curves with it; turning it into a host curve is curvehost's.
#pragma once

#include <string>
#include <vector>

#include "curve/fit/fitSplineToSamples.h"
#include "curve/formula/CurveRequest.h"
#include "curve/formula/ParameterTable.h"
#include "curve/sampling/SampledCurve.h"
#include "curve/status/FitStatus.h"

namespace vintrel::curve {

/// A formula curve, sampled and fitted once.
class ComputedCurve {
 public:
  /// Samples `request` with `parameters` (sampleCurve; the parameters as the formulas read them,
  /// lengths in the request's unit), then fits the samples (fitSplineToSamples with the request's
  /// tolerance, for the fewest controls when the request asks for them).
  /// Throws what they throw: std::runtime_error for a t end that is not finite or a t range too
  /// wide, a tolerance out of bounds, an expression that fails, a value that is not finite, a
  /// single point, a jump or a coordinate too large to fit.
  ComputedCurve(const CurveRequest& request, const ParameterTable& parameters);

  /// The request the curve was computed from.
  const CurveRequest& request() const { return request_; }

  /// The accepted fit, in the request's unit; its curve is never null.
  const SplineFit& fit() const { return fit_; }

  /// The fit's status as the dialog shows it: fitStatus of the fit and the samples with the
  /// request's tolerance (the deviation is measured only when the fit missed the tolerance).
  FitStatus status() const;

  /// The status's text (statusText), in the request's unit.
  std::string statusText() const;

  /// The fit's control points in centimetres, x0 y0 z0 x1 ...: the very coordinates for a curve
  /// in centimetres.
  std::vector<double> controlCentimetres() const;

  /// The fit's full knot vector (4 more knots than controls).
  const std::vector<double>& knots() const;

  /// The definition stored with the curve: writeCurveDefinition of the request and of the
  /// parameters its expressions name (namedParameters), with the values it was sampled with
  /// (lengths in the request's unit).
  /// Throws CurveDefinitionError when a value is not finite or the text would be too long to
  /// store.
  std::string definition() const;

 private:
  CurveRequest request_;
  ParameterTable parameters_;
  SampledCurve sampled_;
  SplineFit fit_;
};

}  // namespace vintrel::curve

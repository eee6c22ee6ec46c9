#include "curvehost/FormulaCurve.h"

#include "curve/definition/CurveDefinition.h"
#include "curve/fit/SplineTolerance.h"
#include "curve/sampling/sampleCurve.h"
#include "curvehost/toNurbsCurve.h"
#include "fusionkit/NullObjectError.h"

using vintrel::curve::AffineMap;
using vintrel::curve::CurveRequest;
using vintrel::curve::fitSplineToSamples;
using vintrel::curve::FitStatus;
using vintrel::curve::fitStatus;
using vintrel::curve::kSplineTolerance;
using vintrel::curve::namedParameters;
using vintrel::curve::ParameterTable;
using vintrel::curve::sampleCurve;
using vintrel::curve::writeCurveDefinition;

using namespace adsk::core;
using hv::f360::throwIfNull;

namespace vintrel::curvehost {

FormulaCurve::FormulaCurve(const CurveRequest& request, const ParameterTable& parameters)
    : request_(request),
      parameters_(parameters),
      sampled_(sampleCurve(request, parameters)),
      fit_(fitSplineToSamples(sampled_, kSplineTolerance)) {}

FitStatus FormulaCurve::status() const { return fitStatus(fit_, sampled_, kSplineTolerance); }

Ptr<NurbsCurve3D> FormulaCurve::nurbsCurve() const {
  Ptr<NurbsCurve3D> curve = toNurbsCurve(*fit_.curve);
  throwIfNull(curve);
  return curve;
}

Ptr<NurbsCurve3D> FormulaCurve::nurbsCurve(const AffineMap& placement) const {
  // An affine map moves a B-spline exactly by moving its control points.
  Ptr<NurbsCurve3D> curve = toNurbsCurve(placement.mapCoordinates(fit_.curve->ControlCoordinates()),
                                         fit_.curve->Basis().KnotVector());
  throwIfNull(curve);
  return curve;
}

std::string FormulaCurve::definition() const {
  return writeCurveDefinition({request_, namedParameters(request_, parameters_)});
}

}  // namespace vintrel::curvehost

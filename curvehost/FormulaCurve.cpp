#include "curvehost/FormulaCurve.h"

#include "curve/definition/CurveDefinition.h"
#include "curve/sampling/sampleCurve.h"
#include "curvehost/toNurbsCurve.h"
#include "fusionkit/NullObjectError.h"

using vintrel::curve::AffineMap;
using vintrel::curve::CurveRequest;
using vintrel::curve::fitSplineToSamples;
using vintrel::curve::FitStatus;
using vintrel::curve::fitStatus;
using vintrel::curve::inCentimetres;
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
      fit_(fitSplineToSamples(sampled_, request.tolerance)) {}

FitStatus FormulaCurve::status() const { return fitStatus(fit_, sampled_, request_.tolerance); }

std::string FormulaCurve::statusText() const {
  return curve::statusText(status(), request_.tolerance, request_.unit.name);
}

// Scaling a B-spline's control points scales the curve exactly, so the curve is fitted in the
// designer's unit and only handed over in the host's.
std::vector<double> FormulaCurve::controlCentimetres() const {
  std::vector<double> coordinates = fit_.curve->ControlCoordinates();
  if (request_.unit.centimetres != 1.0) {
    for (double& coordinate : coordinates) coordinate = inCentimetres(coordinate, request_.unit);
  }
  return coordinates;
}

Ptr<NurbsCurve3D> FormulaCurve::nurbsCurve() const {
  Ptr<NurbsCurve3D> curve = toNurbsCurve(controlCentimetres(), fit_.curve->Basis().KnotVector());
  throwIfNull(curve);
  return curve;
}

Ptr<NurbsCurve3D> FormulaCurve::nurbsCurve(const AffineMap& placement) const {
  // An affine map moves a B-spline exactly by moving its control points.
  Ptr<NurbsCurve3D> curve = toNurbsCurve(placement.mapCoordinates(controlCentimetres()),
                                         fit_.curve->Basis().KnotVector());
  throwIfNull(curve);
  return curve;
}

std::string FormulaCurve::definition() const {
  return writeCurveDefinition({request_, namedParameters(request_, parameters_)});
}

}  // namespace vintrel::curvehost

#include "curve/computed/ComputedCurve.h"

#include "curve/definition/CurveDefinition.h"
#include "curve/formula/LengthUnit.h"
#include "curve/sampling/sampleCurve.h"

namespace vintrel::curve {

ComputedCurve::ComputedCurve(const CurveRequest& request, const ParameterTable& parameters)
    : request_(request),
      parameters_(parameters),
      sampled_(sampleCurve(request, parameters)),
      fit_(fitSplineToSamples(sampled_, request.tolerance,
                              request.fewestControls ? FitGoal::Fewest : FitGoal::Ladder)) {}

FitStatus ComputedCurve::status() const { return fitStatus(fit_, sampled_, request_.tolerance); }

std::string ComputedCurve::statusText() const {
  return curve::statusText(status(), request_.tolerance, request_.unit.name);
}

// Scaling a B-spline's control points scales the curve exactly, so the curve is fitted in the
// designer's unit and only handed over in the host's.
std::vector<double> ComputedCurve::controlCentimetres() const {
  std::vector<double> coordinates = fit_.curve->ControlCoordinates();
  if (request_.unit.centimetres != 1.0) {
    for (double& coordinate : coordinates) coordinate = inCentimetres(coordinate, request_.unit);
  }
  return coordinates;
}

const std::vector<double>& ComputedCurve::knots() const { return fit_.curve->Basis().KnotVector(); }

std::string ComputedCurve::definition() const {
  return writeCurveDefinition({request_, namedParameters(request_, parameters_)});
}

}  // namespace vintrel::curve

#include "dialog/previewCurve.h"

#include <Fusion/FusionAll.h>

#include <vector>

#include "curve/placement/AffineMap.h"
#include "curve/fit/fitSplineToSamples.h"
#include "curvehost/toNurbsCurve.h"
#include "fusionkit/NullObjectError.h"
#include "fusionkit/sketchTransform.h"

using namespace adsk::core;
using namespace adsk::fusion;
using hv::f360::throwIfNull;

namespace {

// The formulas are in the space of the sketch that OK adds the spline to (or replaces it in),
// while the preview is drawn in model space: its control points go where that sketch will place
// them. Without such a sketch OK makes one on the root XY plane, whose space is model space.
std::vector<double> controlCoordinatesInModel(const num::BSplineCurve<double>& fit,
                                              const Ptr<Application>& application,
                                              const CurveEdit& edit) {
  Ptr<Sketch> sketch = formulaSketch(application, edit);
  if (!sketch) return fit.ControlCoordinates();
  return AffineMap(hv::f360::sketchTransform(sketch)).mapCoordinates(fit.ControlCoordinates());
}

}  // namespace

FitStatus previewCurve(const SampledCurve& sampled, const Ptr<Application>& application,
                       CurvePreview& preview, const CurveEdit& edit) {
  preview.clear();
  if (sampled.samples.empty()) return FitStatus{};
  const SplineFit fit = fitSplineToSamples(sampled, kSplineTolerance);
  Ptr<NurbsCurve3D> curve = toNurbsCurve(controlCoordinatesInModel(*fit.curve, application, edit),
                                         fit.curve->Basis().KnotVector());
  throwIfNull(curve);
  // No curve has zero control points: a zero is the host failing to answer, not a count to show.
  throwIfNull(curve->controlPointCount());
  preview.show(application, curve);
  return fitStatus(fit, sampled, kSplineTolerance);
}

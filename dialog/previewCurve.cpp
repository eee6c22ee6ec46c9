#include "dialog/previewCurve.h"

#include "curve/fitSplineToSamples.h"
#include "curvehost/toNurbsCurve.h"
#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using hv::f360::throwIfNull;

FitStatus previewCurve(const SampledCurve& sampled, const Ptr<Application>& application,
                       CurvePreview& preview) {
  preview.clear();
  if (sampled.samples.empty()) return FitStatus{};
  const SplineFit fit = fitSplineToSamples(sampled, kSplineTolerance);
  Ptr<NurbsCurve3D> curve = toNurbsCurve(*fit.curve);
  throwIfNull(curve);
  // No curve has zero control points: a zero is the host failing to answer, not a count to show.
  throwIfNull(curve->controlPointCount());
  preview.show(application, curve);
  return fitStatus(fit, sampled, kSplineTolerance);
}

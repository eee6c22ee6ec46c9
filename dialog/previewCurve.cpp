#include "dialog/previewCurve.h"

#include <Fusion/FusionAll.h>

#include "curve/placement/AffineMap.h"
#include "curvehost/toNurbsCurve.h"
#include "fusionkit/NullObjectError.h"
#include "fusionkit/sketchToModelMatrix.h"

using vintrel::curve::AffineMap;
using vintrel::curve::FitStatus;

using namespace adsk::core;
using namespace adsk::fusion;
using hv::f360::throwIfNull;

namespace vintrel::dialog {

namespace {

// The formulas are in the space of the sketch that OK adds the spline to (or replaces it in),
// while the preview is drawn in model space: its control points go where that sketch will place
// them. Without such a sketch OK makes one on the root XY plane, whose space is model space.
Ptr<NurbsCurve3D> curveInModel(const curve::ComputedCurve& curve,
                               const Ptr<Application>& application, const CurveEdit& edit) {
  Ptr<Sketch> sketch = formulaSketch(application, edit);
  if (!sketch) return curvehost::toNurbsCurve(curve);
  return curvehost::toNurbsCurve(curve, AffineMap(hv::f360::sketchToModelMatrix(sketch)));
}

}  // namespace

FitStatus previewCurve(const curve::ComputedCurve& curve, const Ptr<Application>& application,
                       CurvePreview& preview, const CurveEdit& edit) {
  preview.clear();
  Ptr<NurbsCurve3D> shown = curveInModel(curve, application, edit);
  // No curve has zero control points: a zero is the host failing to answer, not a count to show.
  throwIfNull(shown->controlPointCount());
  preview.show(application, shown);
  return curve.status();
}

}  // namespace vintrel::dialog

#include "dialog/previewCurve.h"

#include <Core/CoreAll.h>

#include <memory>

#include "curve/NullObjectError.h"
#include "curve/fitNurbsCurve.h"
#include "curve/fitSplineToSamples.h"
#include "curve/largestDeviation.h"
#include "dialog/DialogIds.h"
#include "dialog/ModuleState.h"

using namespace adsk::core;
using hv::f360::CustomGraphicsManager;

namespace {

constexpr double kPreviewWeight = 3.0;

// The count alone would claim success for a 128-control fit that missed the tolerance; the
// accurate measure runs only then, as it costs far more than the fit's own check.
std::optional<double> unmetDeviation(const SplineFit& fit, const SamplePoints& samples) {
  if (fit.toleranceMet) return std::nullopt;
  const double deviation = largestDeviation(*fit.curve, samples);
  if (deviation > kSplineTolerance) return deviation;
  return std::nullopt;
}

}  // namespace

FitStatus previewCurve(const SamplePoints& samples) {
  releaseCustomGraphicsManager();
  FitStatus status;
  if (samples.empty()) return status;
  auto manager = std::make_shared<CustomGraphicsManager>(application, kCustomGraphicsId);
  customGraphicsManager = manager;
  NurbsCurveFit fit = fitNurbsCurve(samples, kSplineTolerance);
  hv::f360::throwIfNull(fit.curve);
  status.controlCount = fit.curve->controlPointCount();
  // No curve has zero control points: a zero is the host failing to answer, not a count to show.
  hv::f360::throwIfNull(status.controlCount);
  Ptr<Color> red = Color::create(255, 0, 0, 255);
  manager->addCurve(fit.curve, kPreviewWeight, red);
  status.largestDeviation = unmetDeviation(fit.spline, samples);
  return status;
}

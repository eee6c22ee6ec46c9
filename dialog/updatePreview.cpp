#include "dialog/updatePreview.h"

#include <exception>
#include <string>

#include "curve/NullObjectError.h"
#include "curve/SamplePoints.h"
#include "curve/fitSplineToSamples.h"
#include "dialog/FitStatus.h"
#include "dialog/ModuleState.h"
#include "dialog/previewCurve.h"
#include "dialog/sampleDialogCurve.h"

using namespace adsk::core;
using hv::f360::throwIfNull;

namespace {

std::string computeAndDraw(const Ptr<CommandInputs>& inputs) {
  // A failing update must leave no preview behind, so the old one goes before anything else.
  releaseCustomGraphicsManager();
  const SamplePoints samples = sampleDialogCurve(inputs);
  FitStatus status;
  if (!samples.empty()) status = previewCurve(samples);
  return statusText(status, kSplineTolerance);
}

}  // namespace

void updatePreview(const Ptr<CommandInputs>& inputs) {
  throwIfNull(inputs);
  Ptr<TextBoxCommandInput> statusDisplay = inputs->itemById(statusDisplayId);
  try {
    const std::string status = computeAndDraw(inputs);
    throwIfNull(statusDisplay);
    statusDisplay->text(status);
  } catch (const std::exception& error) {
    throwIfNull(statusDisplay);
    // What was drawn before the failure (a curve whose viewport refresh failed, or an empty
    // group) must not pass for a preview next to the error text.
    releaseCustomGraphicsManager();
    statusDisplay->text(error.what());
  }
}

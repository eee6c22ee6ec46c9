#include "dialog/updatePreview.h"

#include <exception>
#include <string>

#include "curve/status/FitStatus.h"
#include "dialog/CommandTexts.h"
#include "dialog/CoordinateInputs.h"
#include "dialog/applyChosenPreset.h"
#include "dialog/computeDialogCurve.h"
#include "dialog/previewCurve.h"
#include "fusionkit/NullObjectError.h"

using vintrel::curve::FitStatus;

using namespace adsk::core;
using hv::f360::throwIfNull;

namespace vintrel::dialog {

namespace {

std::string computeAndDraw(const Ptr<CommandInputs>& inputs, const Ptr<Application>& application,
                           CurvePreview& preview, const CurveEdit& edit) {
  // A failing update must leave no preview behind, so the old one goes before anything else.
  preview.clear();
  applyChosenPreset(inputs);
  // The chosen coordinates' formulas show whether or not the curve computes.
  showFormulaInputs(inputs, chosenCoordinates(inputs));
  const DialogCurve computed = computeDialogCurve(inputs, application);
  const FitStatus status = previewCurve(computed.curve, application, preview, edit);
  std::string text = curve::statusText(status, computed.curve.request().tolerance,
                                       computed.curve.request().unit.name);
  for (const std::string& note : computed.notes) text += "\n" + note;
  return text;
}

// Every note speaks of what OK will do, and while an error shows OK does nothing: the note
// belongs under a count only.
std::string withNote(const std::string& text, const CurveEdit& edit) {
  return edit.note.empty() ? text : text + "\n" + edit.note;
}

}  // namespace

void updatePreview(const Ptr<CommandInputs>& inputs, const Ptr<Application>& application,
                   CurvePreview& preview, const CurveEdit& edit) {
  throwIfNull(inputs);
  Ptr<TextBoxCommandInput> statusDisplay = inputs->itemById(kStatusDisplayId);
  try {
    const std::string status = computeAndDraw(inputs, application, preview, edit);
    throwIfNull(statusDisplay);
    statusDisplay->text(withNote(status, edit));
  } catch (const std::exception& error) {
    throwIfNull(statusDisplay);
    // What was drawn before the failure (a curve whose viewport refresh failed, or an empty
    // group) must not pass for a preview next to the error text.
    preview.clear();
    statusDisplay->text(error.what());
  }
}

}  // namespace vintrel::dialog

// The formula curve a dialog edits, when the user opened it with one selected: the spline, held
// while the dialog is open, and the line the dialog shows about it. The add-in keeps one for the
// open dialog; the preview draws through the spline's sketch and OK replaces the spline.
#pragma once

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <optional>
#include <string>

#include "curve/formula/CurveRequest.h"

namespace vintrel::dialog {

/// What the open dialog edits.
struct CurveEdit {
  /// The spline OK replaces; null when OK draws a new curve.
  adsk::core::Ptr<adsk::fusion::SketchFixedSpline> spline;
  /// Shown under the count of every preview that computes one; empty for none.
  std::string note;
};

/// A dialog opened on the selection: what it edits, and the stored inputs to start from (none:
/// the dialog's defaults).
struct OpenedCurve {
  CurveEdit edit;
  std::optional<curve::CurveRequest> request;
};

/// Reads `application`'s active selection. Exactly one selected fixed spline, still linked, that
/// carries the definition attribute (curve::kDefinitionGroup, kDefinitionName) opens it for
/// editing with its stored inputs and the note "Editing the selected formula curve: OK replaces
/// it."; one whose definition cannot be read opens with the defaults, no spline and a note saying
/// why ("The selected curve's formula cannot be read: missing "x". Pressing OK draws a new
/// curve.").
/// Anything else (a null application, nothing, several objects, another entity, a spline without
/// the attribute, a host that refuses a read) opens a new curve with the defaults and no note.
/// Never throws a standard exception.
OpenedCurve openSelectedCurve(const adsk::core::Ptr<adsk::core::Application>& application);

/// The sketch whose space the formulas are in: the edited spline's sketch, else the sketch in
/// edit, else null (OK makes a sketch on the root XY plane, whose space is model space).
/// Throws hv::f360::NullObjectError when the edited spline's sketch or the application is
/// missing.
adsk::core::Ptr<adsk::fusion::Sketch> formulaSketch(
    const adsk::core::Ptr<adsk::core::Application>& application, const CurveEdit& edit);

}  // namespace vintrel::dialog

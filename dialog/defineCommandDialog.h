// Builds the dialog of a newly created "Sorvane" command: its help page, its execute, destroy
// and preview handlers, its six inputs with their defaults, and the first preview. The add-in's
// command-created handler calls it on every click of the button.
#pragma once

#include <Core/CoreAll.h>

#include "dialog/CurveEdit.h"
#include "graphics/CurvePreview.h"

namespace vintrel::dialog {

/// Empties `edit`, then does nothing more when `eventArgs` or its command is null. Otherwise
/// opens the selected formula curve, if any, into `edit` (openSelectedCurve), sets the help file
/// kHelpFile, attaches the three handlers (the host keeps only their addresses; the caller keeps
/// them alive), and, when the command has an input collection, creates the inputs x(t), y(t),
/// z(t) and the start and end of t (no units) with the selected curve's stored values or the
/// defaults of CommandTexts.h, and the read-only notification box kStatusDisplayId, then runs
/// updatePreview with `application`, `preview` and `edit`.
/// Throws hv::f360::NullObjectError when the command lacks one of its three events (handlers
/// attached before it stay attached) and whatever updatePreview lets out.
void defineCommandDialog(const adsk::core::Ptr<adsk::core::CommandCreatedEventArgs>& eventArgs,
                         adsk::core::CommandEventHandler* executeHandler,
                         adsk::core::CommandEventHandler* destroyHandler,
                         adsk::core::CommandEventHandler* previewHandler,
                         const adsk::core::Ptr<adsk::core::Application>& application,
                         CurvePreview& preview, CurveEdit& edit);

}  // namespace vintrel::dialog

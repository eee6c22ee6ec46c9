#include "dialog/createCurveInSketch.h"

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <string>

#include "curvehost/replaceFormulaCurve.h"
#include "curvehost/toNurbsCurve.h"
#include "dialog/computeDialogCurve.h"
#include "dialog/rememberedInputs.h"
#include "fusionkit/NullObjectError.h"
#include "fusionkit/sketchInEdit.h"

using namespace adsk::core;
using namespace adsk::fusion;
using hv::f360::sketchInEdit;
using hv::f360::throwIfNull;

namespace vintrel::dialog {

namespace {

constexpr char kNotStoredMessage[] =
    "The curve was drawn, but its formula could not be stored on it: it cannot be edited or "
    "follow the design's parameters.";

// The root XY plane's sketch space is model space: without a sketch in edit the formulas give
// model coordinates.
Ptr<Sketch> addSketchOnXYPlane(const Ptr<Application>& application) {
  throwIfNull(application);
  Ptr<Design> design = application->activeProduct();
  throwIfNull(design);
  Ptr<Component> rootComponent = design->rootComponent();
  throwIfNull(rootComponent);
  Ptr<Sketches> sketches = rootComponent->sketches();
  Ptr<ConstructionPlane> plane = rootComponent->xYConstructionPlane();
  Ptr<Base> planarEntity = plane;
  throwIfNull(sketches);
  return sketches->add(planarEntity, nullptr);
}

Ptr<SketchFixedSpline> addSpline(const Ptr<Sketch>& sketch, const Ptr<NurbsCurve3D>& curve) {
  Ptr<SketchCurves> curves = sketch->sketchCurves();
  throwIfNull(curves);
  Ptr<SketchFixedSplines> splines = curves->sketchFixedSplines();
  throwIfNull(splines);
  return splines->addByNurbsCurve(curve);
}

void tellUser(const Ptr<Application>& application, const std::string& text) {
  Ptr<UserInterface> ui = application->userInterface();
  if (ui) ui->messageBox(text);
}

// Whether the spline took the new shape.
bool replaceCurve(const Ptr<Application>& application, const Ptr<SketchFixedSpline>& spline,
                  const Ptr<NurbsCurve3D>& curve, const std::string& definition) {
  const curvehost::Replacement outcome = curvehost::replaceFormulaCurve(spline, curve, definition);
  if (outcome != curvehost::Replacement::Done) {
    tellUser(application, curvehost::replacementMessage(outcome));
  }
  return outcome != curvehost::Replacement::Unchanged;
}

// Whether the host made the spline.
bool addNewCurve(const Ptr<Application>& application, const Ptr<NurbsCurve3D>& curve,
                 const std::string& definition) {
  Ptr<Sketch> sketch = sketchInEdit(application);
  if (!sketch) sketch = addSketchOnXYPlane(application);
  throwIfNull(sketch);
  Ptr<SketchFixedSpline> spline = addSpline(sketch, curve);
  // A spline the host refused is, as ever, not reported; one it made carries its formula.
  if (spline && !curvehost::storeCurveDefinition(spline, definition)) {
    tellUser(application, kNotStoredMessage);
  }
  return static_cast<bool>(spline);
}

}  // namespace

void createCurveInSketch(const Ptr<CommandEventArgs>& eventArgs,
                         const Ptr<Application>& application, const CurveEdit& edit) {
  throwIfNull(eventArgs);
  Ptr<Event> event = eventArgs->firingEvent();
  throwIfNull(event);
  Ptr<Command> command = event->sender();
  throwIfNull(command);
  const DialogCurve computed = computeDialogCurve(command->commandInputs(), application);
  // The host refuses a spline without a curve; refused here, before any sketch is made, a
  // refused curve cannot leave an empty new sketch behind.
  Ptr<NurbsCurve3D> curve = curvehost::toNurbsCurve(computed.curve);
  const std::string definition = computed.curve.definition();
  const bool made = edit.spline ? replaceCurve(application, edit.spline, curve, definition)
                                : addNewCurve(application, curve, definition);
  // The next new curve of this design starts from this one.
  if (made) rememberInputs(application, computed.curve.request());
}

}  // namespace vintrel::dialog

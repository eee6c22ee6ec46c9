#include "dialog/createCurveInSketch.h"

#include <Fusion/FusionAll.h>

#include "curve/fitSplineToSamples.h"
#include "curvehost/toNurbsCurve.h"
#include "dialog/sampleDialogCurve.h"
#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using namespace adsk::fusion;
using hv::f360::throwIfNull;

namespace {

Ptr<Sketch> sketchInEdit(const Ptr<Application>& application) {
  throwIfNull(application);
  return application->activeEditObject();
}

// The XY plane keeps sketch space equal to model space, so the spline lands where it was
// computed whichever way the host reads the curve's coordinates.
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

void addSpline(const Ptr<Sketch>& sketch, const Ptr<NurbsCurve3D>& curve) {
  Ptr<SketchCurves> curves = sketch->sketchCurves();
  throwIfNull(curves);
  Ptr<SketchFixedSplines> splines = curves->sketchFixedSplines();
  throwIfNull(splines);
  splines->addByNurbsCurve(curve);
}

}  // namespace

void createCurveInSketch(const Ptr<CommandEventArgs>& eventArgs,
                         const Ptr<Application>& application) {
  throwIfNull(eventArgs);
  Ptr<Event> event = eventArgs->firingEvent();
  throwIfNull(event);
  Ptr<Command> command = event->sender();
  throwIfNull(command);
  Ptr<CommandInputs> inputs = command->commandInputs();
  const DialogCurve dialogCurve = sampleDialogCurve(inputs, application);
  Ptr<NurbsCurve3D> curve =
      toNurbsCurve(*fitSplineToSamples(dialogCurve.sampled, kSplineTolerance).curve);
  // The host refuses a spline without a curve; checked before any sketch is made, a refused
  // curve cannot leave an empty new sketch behind.
  throwIfNull(curve);
  Ptr<Sketch> sketch = sketchInEdit(application);
  if (!sketch) sketch = addSketchOnXYPlane(application);
  throwIfNull(sketch);
  addSpline(sketch, curve);
}

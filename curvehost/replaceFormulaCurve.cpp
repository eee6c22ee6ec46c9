#include "dialog/replaceFormulaCurve.h"

#include "dialog/CurveEdit.h"

using namespace adsk::core;
using namespace adsk::fusion;

bool storeCurveDefinition(const Ptr<SketchFixedSpline>& spline, const std::string& definition) {
  Ptr<Attributes> attributes = spline->attributes();
  return attributes && attributes->add(kDefinitionGroup, kDefinitionName, definition);
}

Replacement replaceFormulaCurve(const Ptr<SketchFixedSpline>& spline,
                                const Ptr<NurbsCurve3D>& curve, const std::string& definition) {
  Ptr<NurbsCurve3D> oldShape = spline->geometry();
  if (!spline->replaceGeometry(curve)) return Replacement::Unchanged;
  if (storeCurveDefinition(spline, definition)) return Replacement::Done;
  const bool restored = oldShape && spline->replaceGeometry(oldShape);
  return restored ? Replacement::Unchanged : Replacement::HalfReplaced;
}

#include "curvehost/replaceFormulaCurve.h"

#include "curve/definition/DefinitionAttribute.h"

using namespace adsk::core;
using namespace adsk::fusion;
using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kDefinitionName;

namespace vintrel::curvehost {

namespace {

constexpr char kNotReplacedMessage[] =
    "The curve could not be replaced: the host refused its new shape or its new formula. "
    "It is unchanged.";
constexpr char kHalfReplacedMessage[] =
    "The curve has its new shape, but its new formula could not be stored and its old "
    "shape could not be restored: edit it again, or undo.";

}  // namespace

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

std::string replacementMessage(Replacement outcome) {
  switch (outcome) {
    case Replacement::Done:
      return "";
    case Replacement::Unchanged:
      return kNotReplacedMessage;
    case Replacement::HalfReplaced:
      return kHalfReplacedMessage;
  }
  return "";
}

}  // namespace vintrel::curvehost

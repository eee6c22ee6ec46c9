#include "curvehost/ParameterFollower.h"

#include <Fusion/FusionAll.h>

#include <exception>
#include <stdexcept>
#include <string>

#include "curve/computed/ComputedCurve.h"
#include "curve/definition/CurveDefinition.h"
#include "curve/definition/DefinitionAttribute.h"
#include "curvehost/readDesignParameters.h"
#include "curvehost/replaceFormulaCurve.h"
#include "curvehost/toNurbsCurve.h"
#include "fusionkit/NullObjectError.h"

using vintrel::curve::ComputedCurve;
using vintrel::curve::CurveDefinition;
using vintrel::curve::FollowVerdict;
using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kDefinitionName;
using vintrel::curve::statusText;

using namespace adsk::core;
using namespace adsk::fusion;
using hv::f360::throwIfNull;

namespace vintrel::curvehost {

namespace {

constexpr char kFailuresHeading[] =
    "These formula curves could not follow the design's parameters and keep their shape:";
constexpr char kMissesHeading[] =
    "These formula curves were updated, but their new splines miss the tolerance:";

std::string sketchName(const Ptr<SketchFixedSpline>& spline) {
  Ptr<Sketch> sketch = spline->parentSketch();
  return sketch ? sketch->name() : std::string("(unknown sketch)");
}

// Puts the refitted curve in place of the spline's shape and definition. The status is measured
// before the spline changes, so that a spline replaced is always reported.
FollowedCurve replaceWith(const ComputedCurve& curve, const Ptr<SketchFixedSpline>& spline,
                          const std::string& sketch) {
  const FollowedCurve followed{sketch, curve.status(), curve.request().tolerance,
                               curve.request().unit.name};
  Ptr<NurbsCurve3D> shape = toNurbsCurve(curve);
  const Replacement outcome = replaceFormulaCurve(spline, shape, curve.definition());
  if (outcome != Replacement::Done) throw std::runtime_error(replacementMessage(outcome));
  return followed;
}

void tell(const Ptr<Application>& application, FollowReport& report) {
  const std::string message = followMessage(report);
  if (message.empty()) return;
  Ptr<UserInterface> ui = application->userInterface();
  if (ui) ui->messageBox(message);
  report.told = true;
}

}  // namespace

std::string followMessage(const FollowReport& report) {
  std::string text;
  if (!report.failed.empty()) {
    text = kFailuresHeading;
    for (const std::string& failure : report.failed) text += "\n" + failure;
  }
  bool missed = false;
  for (const FollowedCurve& curve : report.updated) {
    if (!curve.status.largestDeviation) continue;
    if (!missed) text += std::string(text.empty() ? "" : "\n\n") + kMissesHeading;
    missed = true;
    text += "\n" + curve.sketch + ": " + statusText(curve.status, curve.tolerance, curve.unit);
  }
  return text;
}

void ParameterFollower::follow(const Ptr<Attribute>& attribute, FollowReport& report) {
  if (!attribute) return;
  const std::optional<CurveDefinition>& definition = rule_.definitionOf(attribute->value());
  if (!definition || !rule_.needsLook(*definition)) return;
  Ptr<SketchFixedSpline> spline = attribute->parent();
  if (!spline) return;
  const FollowVerdict verdict = rule_.look(spline->entityToken(), *definition);
  if (verdict != FollowVerdict::Refit || !spline->isLinked()) return;
  const std::string sketch = sketchName(spline);
  try {
    report.updated.push_back(replaceWith(rule_.refit(*definition), spline, sketch));
  } catch (const std::exception& error) {
    report.failed.push_back(sketch + ": " + error.what());
  }
}

FollowReport ParameterFollower::check(const Ptr<Application>& application) {
  FollowReport report;
  try {
    throwIfNull(application);
    Ptr<Design> design = application->activeProduct();
    if (!design) return report;
    const std::vector<Ptr<Attribute>> attributes =
        design->findAttributes(kDefinitionGroup, kDefinitionName);
    if (attributes.empty()) {
      rule_.forget();
      return report;
    }
    rule_.startCheck(readDesignParameters(application));
    for (const Ptr<Attribute>& attribute : attributes) follow(attribute, report);
    rule_.finishCheck();
  } catch (const std::exception&) {
    // A host that cannot list the curves or the parameters leaves them for the next check.
    rule_.abandonCheck();
  }
  tell(application, report);
  return report;
}

}  // namespace vintrel::curvehost

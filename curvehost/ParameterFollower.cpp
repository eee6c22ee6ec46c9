#include "curvehost/ParameterFollower.h"

#include <Fusion/FusionAll.h>

#include <exception>
#include <optional>
#include <stdexcept>

#include "curve/definition/CurveDefinition.h"
#include "curve/formula/ParameterTable.h"
#include "curvehost/DefinitionAttribute.h"
#include "curvehost/FormulaCurve.h"
#include "curvehost/readDesignParameters.h"
#include "curvehost/replaceFormulaCurve.h"
#include "fusionkit/NullObjectError.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::CurveDefinitionError;
using vintrel::curve::CurveRequest;
using vintrel::curve::ParameterTable;
using vintrel::curve::readCurveDefinition;

using namespace adsk::core;
using namespace adsk::fusion;
using hv::f360::throwIfNull;

namespace vintrel::curvehost {

namespace {

constexpr char kFailuresHeading[] =
    "These formula curves could not follow the design's parameters and keep their shape:";

// A stored name the design lacks counts as changed: the refit then says what is wrong.
bool parametersChanged(const ParameterTable& stored, const ParameterTable& current) {
  for (const auto& [name, value] : stored) {
    const auto found = current.find(name);
    if (found == current.end() || !(found->second == value)) return true;
  }
  return false;
}

std::string sketchName(const Ptr<SketchFixedSpline>& spline) {
  Ptr<Sketch> sketch = spline->parentSketch();
  return sketch ? sketch->name() : std::string("(unknown sketch)");
}

// Refits one curve with the current values; its new control count, or the reason it failed.
int refit(const Ptr<SketchFixedSpline>& spline, const CurveRequest& request,
          const ParameterTable& current) {
  const FormulaCurve curve(request, current);
  Ptr<NurbsCurve3D> shape = curve.nurbsCurve();
  const Replacement outcome = replaceFormulaCurve(spline, shape, curve.definition());
  if (outcome != Replacement::Done) throw std::runtime_error(replacementMessage(outcome));
  return curve.fit().curve->ControlPointCount();
}

void tell(const Ptr<Application>& application, const std::vector<std::string>& failures) {
  std::string text = kFailuresHeading;
  for (const std::string& failure : failures) text += "\n" + failure;
  Ptr<UserInterface> ui = application->userInterface();
  if (ui) ui->messageBox(text);
}

}  // namespace

const std::optional<CurveDefinition>& ParameterFollower::definitionOf(const std::string& text) {
  constexpr std::size_t kMostRemembered = 4096;
  const auto found = definitions_.find(text);
  if (found != definitions_.end()) return found->second;
  if (definitions_.size() >= kMostRemembered) definitions_.clear();
  std::optional<CurveDefinition> definition;
  try {
    definition = readCurveDefinition(text);
  } catch (const CurveDefinitionError&) {
    // The edit command is where a damaged definition is explained.
  }
  return definitions_.emplace(text, std::move(definition)).first->second;
}

FollowReport ParameterFollower::check(const Ptr<Application>& application) {
  FollowReport report;
  std::map<std::string, std::string> failures;
  std::vector<std::string> newFailures;
  try {
    throwIfNull(application);
    Ptr<Design> design = application->activeProduct();
    if (!design) return report;
    std::vector<Ptr<Attribute>> attributes =
        design->findAttributes(kDefinitionGroup, kDefinitionName);
    if (attributes.empty()) return report;
    const ParameterTable current = readDesignParameters(application);
    for (const Ptr<Attribute>& attribute : attributes) {
      if (!attribute) continue;
      const std::string text = attribute->value();
      const std::optional<CurveDefinition> definition = definitionOf(text);
      if (!definition || !parametersChanged(definition->parameters, current)) continue;
      Ptr<SketchFixedSpline> spline = attribute->parent();
      if (!spline || !spline->isLinked()) continue;
      const std::string sketch = sketchName(spline);
      try {
        report.updated.push_back({sketch, refit(spline, definition->request, current)});
      } catch (const std::exception& error) {
        const std::string line = sketch + ": " + error.what();
        report.failed.push_back(line);
        const std::string key = sketch + '\n' + text;
        failures[key] = line;
        const auto before = told_.find(key);
        if (before == told_.end() || before->second != line) newFailures.push_back(line);
      }
    }
  } catch (const std::exception&) {
    // A host that cannot list the curves or the parameters leaves them for the next check.
    return report;
  }
  told_ = failures;
  if (!newFailures.empty()) {
    tell(application, newFailures);
    report.told = true;
  }
  return report;
}

}  // namespace vintrel::curvehost

#include "curvehost/ParameterFollower.h"

#include <Fusion/FusionAll.h>

#include <cmath>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>

#include "curve/definition/CurveDefinition.h"
#include "curve/formula/ParameterTable.h"
#include "curvehost/DefinitionAttribute.h"
#include "curvehost/FormulaCurve.h"
#include "curvehost/readDesignParameters.h"
#include "curvehost/replaceFormulaCurve.h"
#include "fusionkit/NullObjectError.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::CurveDefinitionError;
using vintrel::curve::DesignParameters;
using vintrel::curve::ParameterTable;
using vintrel::curve::readCurveDefinition;
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

// Values that read alike; a value that is not a number matches itself, so that it is not taken
// for a change at every check.
bool sameValue(const std::optional<double>& a, const std::optional<double>& b) {
  if (!a || !b) return !a && !b;
  return *a == *b || (std::isnan(*a) && std::isnan(*b));
}

std::optional<double> valueIn(const ParameterTable& table, const std::string& name) {
  const auto found = table.find(name);
  if (found == table.end()) return std::nullopt;
  return found->second;
}

bool storedValuesAreCurrent(const ParameterTable& stored, const ParameterTable& current) {
  for (const auto& [name, value] : stored) {
    if (!sameValue(value, valueIn(current, name))) return false;
  }
  return true;
}

std::string sketchName(const Ptr<SketchFixedSpline>& spline) {
  Ptr<Sketch> sketch = spline->parentSketch();
  return sketch ? sketch->name() : std::string("(unknown sketch)");
}

// Refits one curve with the current values; its new fit's status, or the reason it failed. The
// status is measured before the spline changes, so that a spline replaced is always reported.
FollowedCurve refit(const Ptr<SketchFixedSpline>& spline, const std::string& sketch,
                    const CurveDefinition& definition, const ParameterTable& current) {
  const FormulaCurve curve(definition.request, current);
  const FollowedCurve followed{sketch, curve.status(), definition.request.tolerance,
                               definition.request.unit.name};
  Ptr<NurbsCurve3D> shape = curve.nurbsCurve();
  const Replacement outcome = replaceFormulaCurve(spline, shape, curve.definition());
  if (outcome != Replacement::Done) throw std::runtime_error(replacementMessage(outcome));
  return followed;
}

// The design's constants as each unit's curves read them, made once per unit and check.
class ConstantsByUnit {
 public:
  explicit ConstantsByUnit(const DesignParameters& design) : design_(design) {}
  const ParameterTable& in(const curve::LengthUnit& unit) {
    const auto found = tables_.find(unit.name);
    if (found != tables_.end()) return found->second;
    return tables_.emplace(unit.name, design_.inUnit(unit)).first->second;
  }

 private:
  const DesignParameters& design_;
  std::map<std::string, ParameterTable> tables_;
};

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
  // The parameter values each curve uses at this check, by its spline's token.
  std::unordered_map<std::string, SeenValues> looked;
  bool moved = true;
  try {
    throwIfNull(application);
    Ptr<Design> design = application->activeProduct();
    if (!design) return report;
    std::vector<Ptr<Attribute>> attributes =
        design->findAttributes(kDefinitionGroup, kDefinitionName);
    if (attributes.empty()) {
      seen_.clear();
      lastParameters_.reset();
      return report;
    }
    const DesignParameters parameters = readDesignParameters(application);
    moved = !lastParameters_ || *lastParameters_ != parameters;
    ConstantsByUnit constants(parameters);
    for (const Ptr<Attribute>& attribute : attributes) {
      if (!attribute) continue;
      const std::optional<CurveDefinition>& definition = definitionOf(attribute->value());
      if (!definition || definition->parameters.empty()) continue;
      const ParameterTable& stored = definition->parameters;
      const ParameterTable& current = constants.in(definition->request.unit);
      const bool upToDate = storedValuesAreCurrent(stored, current);
      // No parameter changed since the last complete check, which saw this curve, if at all,
      // with these very values: there is nothing to refit and nothing to learn.
      if (upToDate && !moved) continue;
      Ptr<SketchFixedSpline> spline = attribute->parent();
      if (!spline) continue;
      const std::string token = spline->entityToken();
      const auto before = token.empty() ? seen_.end() : seen_.find(token);
      SeenValues now;
      bool changed = false;
      for (const auto& [name, value] : stored) {
        now[name] = valueIn(current, name);
        std::optional<double> last = value;
        if (before != seen_.end()) {
          const auto remembered = before->second.find(name);
          if (remembered != before->second.end()) last = remembered->second;
        }
        changed = changed || !sameValue(last, now[name]);
      }
      if (!token.empty()) looked[token] = now;
      if (upToDate || !changed || !spline->isLinked()) continue;
      const std::string sketch = sketchName(spline);
      try {
        report.updated.push_back(refit(spline, sketch, *definition, current));
      } catch (const std::exception& error) {
        report.failed.push_back(sketch + ": " + error.what());
      }
    }
    if (moved) {
      // Every curve that can follow was looked at: the others are gone or cannot follow.
      seen_ = std::move(looked);
      lastParameters_ = parameters;
      looked.clear();
    }
  } catch (const std::exception&) {
    // A host that cannot list the curves or the parameters leaves them for the next check; what
    // was learnt of the curves looked at is kept below.
    lastParameters_.reset();
  }
  for (auto& [token, values] : looked) seen_[token] = std::move(values);
  const std::string message = followMessage(report);
  if (!message.empty()) {
    Ptr<UserInterface> ui = application->userInterface();
    if (ui) ui->messageBox(message);
    report.told = true;
  }
  return report;
}

}  // namespace vintrel::curvehost

#include "tools/session/ParameterChange.h"

#include <algorithm>
#include <exception>

#include "curve/computed/ComputedCurve.h"
#include "curve/definition/CurveDefinition.h"
#include "curve/definition/DefinitionAttribute.h"
#include "curve/follow/FollowRule.h"
#include "curve/formula/DesignParameters.h"
#include "curve/text/shortestText.h"
#include "tools/session/UsageError.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::DesignParameterRow;
using vintrel::curve::DesignParameters;
using vintrel::curve::FollowRule;
using vintrel::curve::FollowVerdict;
using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kDefinitionName;
using vintrel::curve::shortestText;

namespace sorvane {

namespace {

// The status the dialog shows for the curve refitted with the design's values, or, when it
// cannot be computed, the message that says why.
struct Refitted {
  bool fitted = false;
  std::string text;
};

Refitted refitted(FollowRule& rule, const CurveDefinition& definition) {
  try {
    return {true, rule.refit(definition).statusText()};
  } catch (const std::exception& error) {
    return {false, error.what()};
  }
}

// The formula curve's definition: its spline's attribute of the add-in's group and name, when it
// reads as one.
const std::optional<CurveDefinition>& definitionOf(
    FollowRule& rule, const std::vector<fsim::AttributeInfo>& attributes) {
  static const std::optional<CurveDefinition> kNone;
  for (const fsim::AttributeInfo& attribute : attributes) {
    if (attribute.group == kDefinitionGroup && attribute.name == kDefinitionName) {
      return rule.definitionOf(attribute.value);
    }
  }
  return kNone;
}

bool sameCurve(const fsim::NurbsData& a, const fsim::NurbsData& b) {
  return a.degree == b.degree && a.rational == b.rational && a.periodic == b.periodic &&
         a.controlPoints == b.controlPoints && a.knots == b.knots;
}

bool sameAttributes(const std::vector<fsim::AttributeInfo>& a,
                    const std::vector<fsim::AttributeInfo>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const fsim::AttributeInfo& p, const fsim::AttributeInfo& q) {
                      return p.group == q.group && p.name == q.name && p.value == q.value;
                    });
}

const std::vector<fsim::AttributeInfo>& attributesAt(const fsim::SketchInfo& sketch,
                                                     std::size_t i) {
  static const std::vector<fsim::AttributeInfo> kNone;
  return i < sketch.splineAttributes.size() ? sketch.splineAttributes[i] : kNone;
}

const fsim::ParameterInfo* parameterNamed(const std::vector<fsim::ParameterInfo>& parameters,
                                          const std::string& name) {
  const fsim::ParameterInfo* found = nullptr;
  for (const fsim::ParameterInfo& parameter : parameters) {
    if (parameter.name == name) found = &parameter;
  }
  return found;
}

// A parameter's value as the Parameters dialog shows it: in its unit, a length as the formulas
// read it (converted with one rounding, where the host's expression may round twice).
std::string shownValue(const fsim::ParameterInfo& parameter) {
  const std::optional<vintrel::curve::LengthUnit> length = lengthUnitOf(parameter.unit);
  if (!length) return parameter.expression;
  return shortestText(vintrel::curve::inUnit(parameter.value, *length)) + " " + parameter.unit;
}

// Names with their values as the Parameters dialog shows them.
using ShownValues = std::vector<std::pair<std::string, std::string>>;

std::string valuesText(const ShownValues& values) {
  std::string text;
  for (const auto& [name, value] : values) {
    text += (text.empty() ? "" : ", ") + name + " = " + value;
  }
  return text;
}

std::string summaryOf(const ShownValues& changed, const ShownValues& unchanged) {
  if (changed.empty()) return "Parameters unchanged: " + valuesText(unchanged);
  std::string text = "Parameters changed: " + valuesText(changed);
  if (!unchanged.empty()) text += "; unchanged: " + valuesText(unchanged);
  return text;
}

const char* kindName(UnitKind kind) {
  return kind == UnitKind::Length ? "a length" : kind == UnitKind::Angle ? "an angle" : "unitless";
}

}  // namespace

DesignParameters designParameters(const std::vector<fsim::ParameterInfo>& parameters) {
  std::vector<DesignParameterRow> rows;
  for (const fsim::ParameterInfo& parameter : parameters) {
    rows.push_back({parameter.name, parameter.value, parameter.isLength});
  }
  return DesignParameters::fromRows(rows);
}

ParameterValues parameterChangeValues(const DesignFile& design,
                                      const std::vector<ParameterSetting>& settings) {
  ParameterValues values;
  for (const ParameterSetting& setting : settings) {
    const DesignParameter* parameter = nullptr;
    for (const DesignParameter& candidate : design.parameters) {
      if (candidate.name == setting.name) parameter = &candidate;
    }
    if (parameter && !setting.unit.empty() && unitKind(setting.unit) != unitKind(parameter->unit)) {
      throw UsageError("--set-param " + setting.name + ": " + setting.unit + " is " +
                       kindName(unitKind(setting.unit)) + " unit, but " + setting.name + " is " +
                       kindName(unitKind(parameter->unit)));
    }
    const std::string& unit = setting.unit.empty() && parameter ? parameter->unit : setting.unit;
    values.emplace_back(setting.name, inInternalUnits(setting.number, unit));
  }
  return values;
}

ParameterChange describeParameterChange(const std::vector<std::string>& requested,
                                        const std::vector<fsim::ParameterInfo>& parametersBefore,
                                        const std::vector<fsim::ParameterInfo>& parametersAfter,
                                        const std::vector<fsim::SketchInfo>& before,
                                        const std::vector<fsim::SketchInfo>& after) {
  ShownValues changed, unchanged;
  for (const std::string& name : requested) {
    const fsim::ParameterInfo* found = parameterNamed(parametersAfter, name);
    if (!found) continue;  // the host sets only the parameters it has
    const fsim::ParameterInfo* old = parameterNamed(parametersBefore, name);
    const bool same = old && old->value == found->value;
    (same ? unchanged : changed).emplace_back(name, shownValue(*found));
  }
  ParameterChange change;
  change.summary = summaryOf(changed, unchanged);
  FollowRule rule;
  rule.startCheck(designParameters(parametersAfter));
  bool named = false;  // a formula curve names a parameter that changed
  for (std::size_t s = 0; s < after.size(); ++s) {
    const fsim::SketchInfo& sketch = after[s];
    for (std::size_t i = 0; i < sketch.splines.size(); ++i) {
      const std::optional<CurveDefinition>& definition =
          definitionOf(rule, attributesAt(sketch, i));
      for (const auto& entry : changed) {
        named = named || (definition && definition->parameters.count(entry.first) > 0);
      }
      const bool existed = s < before.size() && i < before[s].splines.size();
      if (!existed) continue;
      const std::string place = sketch.name + ":" + std::to_string(i + 1);
      if (!sameCurve(sketch.splines[i], before[s].splines[i]) ||
          !sameAttributes(attributesAt(sketch, i), attributesAt(before[s], i))) {
        const Refitted computed = definition ? refitted(rule, *definition) : Refitted{};
        const std::string status = computed.fitted ? computed.text : "";
        change.updated.push_back(place + " updated" + (status.empty() ? "" : ": " + status));
        if (!change.first) {
          change.first = SplinePlace{s, i};
          change.firstStatus = status;
        }
        continue;
      }
      const bool linked = i >= sketch.splineLinked.size() || sketch.splineLinked[i];
      // Seen for the first time, as the add-in sees every curve after it is loaded.
      if (!definition || !linked || !rule.needsLook(*definition) ||
          rule.look("", *definition) != FollowVerdict::Refit) {
        continue;
      }
      const Refitted computed = refitted(rule, *definition);
      change.failed.push_back(place + " could not follow and keeps its shape: " +
                              (computed.fitted ? "the add-in left it as it was" : computed.text));
    }
  }
  if (!changed.empty() && !named && change.updated.empty() && change.failed.empty()) {
    change.updated.push_back("no formula curve uses them");
  }
  return change;
}

}  // namespace sorvane

#include "tools/ParameterChange.h"

#include <algorithm>
#include <exception>

#include "curve/definition/CurveDefinition.h"
#include "curve/fit/fitSplineToSamples.h"
#include "curve/formula/DesignParameters.h"
#include "curve/sampling/sampleCurve.h"
#include "curve/status/FitStatus.h"
#include "curve/text/shortestText.h"
#include "tools/CommandLine.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::CurveDefinitionError;
using vintrel::curve::CurveRequest;
using vintrel::curve::DesignParameters;
using vintrel::curve::fitSplineToSamples;
using vintrel::curve::fitStatus;
using vintrel::curve::kBuiltInPi;
using vintrel::curve::ParameterTable;
using vintrel::curve::readCurveDefinition;
using vintrel::curve::sampleCurve;
using vintrel::curve::SampledCurve;
using vintrel::curve::shortestText;
using vintrel::curve::SplineFit;
using vintrel::curve::statusText;

namespace sorvane {

namespace {

// A curve computed as the dialog computes it: its status, or the message of what failed.
struct Computed {
  bool fitted = false;
  std::string text;
};

Computed compute(const CurveRequest& request, const ParameterTable& parameters) {
  try {
    const SampledCurve sampled = sampleCurve(request, parameters);
    const SplineFit fit = fitSplineToSamples(sampled, request.tolerance);
    return {true, statusText(fitStatus(fit, sampled, request.tolerance), request.tolerance,
                             request.unit.name)};
  } catch (const std::exception& error) {
    return {false, error.what()};
  }
}

// The formula curve's definition: the first of the spline's attributes that reads as one.
std::optional<CurveDefinition> definitionOf(const std::vector<fsim::AttributeInfo>& attributes) {
  for (const fsim::AttributeInfo& attribute : attributes) {
    try {
      return readCurveDefinition(attribute.value);
    } catch (const CurveDefinitionError&) {
      // Another add-in's attribute, or a damaged definition: not a curve the add-in follows.
    }
  }
  return std::nullopt;
}

// As the add-in judges it: a stored name the design lacks is a difference.
bool storedValuesAreCurrent(const ParameterTable& stored, const ParameterTable& current) {
  return std::all_of(stored.begin(), stored.end(), [&](const auto& entry) {
    const auto found = current.find(entry.first);
    return found != current.end() && found->second == entry.second;
  });
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
  DesignParameters design{{{"pi", kBuiltInPi}}, {}};
  for (const fsim::ParameterInfo& parameter : parameters) {
    design.values[parameter.name] = parameter.value;
    if (unitKind(parameter.unit) == UnitKind::Length) {
      design.lengths.insert(parameter.name);
    } else {
      design.lengths.erase(parameter.name);
    }
  }
  return design;
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
  const DesignParameters now = designParameters(parametersAfter);
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
  bool named = false;  // a formula curve names a parameter that changed
  for (std::size_t s = 0; s < after.size(); ++s) {
    const fsim::SketchInfo& sketch = after[s];
    for (std::size_t i = 0; i < sketch.splines.size(); ++i) {
      const std::optional<CurveDefinition> definition = definitionOf(attributesAt(sketch, i));
      for (const auto& entry : changed) {
        named = named || (definition && definition->parameters.count(entry.first) > 0);
      }
      const bool existed = s < before.size() && i < before[s].splines.size();
      if (!existed) continue;
      const std::string place = sketch.name + ":" + std::to_string(i + 1);
      if (!sameCurve(sketch.splines[i], before[s].splines[i]) ||
          !sameAttributes(attributesAt(sketch, i), attributesAt(before[s], i))) {
        const Computed computed =
            definition ? compute(definition->request, now.inUnit(definition->request.unit))
                       : Computed{};
        const std::string status = computed.fitted ? computed.text : "";
        change.updated.push_back(place + " updated" + (status.empty() ? "" : ": " + status));
        if (!change.first) {
          change.first = SplinePlace{s, i};
          change.firstStatus = status;
        }
        continue;
      }
      const bool linked = i >= sketch.splineLinked.size() || sketch.splineLinked[i];
      if (!definition || definition->parameters.empty() || !linked) continue;
      const ParameterTable current = now.inUnit(definition->request.unit);
      if (storedValuesAreCurrent(definition->parameters, current)) continue;
      const Computed computed = compute(definition->request, current);
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

#include "tools/ParameterChange.h"

#include <algorithm>
#include <exception>

#include "curve/definition/CurveDefinition.h"
#include "curve/fit/SplineTolerance.h"
#include "curve/fit/fitSplineToSamples.h"
#include "curve/sampling/sampleCurve.h"
#include "curve/status/FitStatus.h"
#include "curve/text/shortestText.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::CurveDefinitionError;
using vintrel::curve::CurveRequest;
using vintrel::curve::fitSplineToSamples;
using vintrel::curve::fitStatus;
using vintrel::curve::kSplineTolerance;
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
    const SplineFit fit = fitSplineToSamples(sampled, kSplineTolerance);
    return {true, statusText(fitStatus(fit, sampled, kSplineTolerance), kSplineTolerance)};
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

std::string valuesText(const ParameterValues& values) {
  std::string text;
  for (const auto& [name, value] : values) {
    text += (text.empty() ? "" : ", ") + name + " = " + shortestText(value);
  }
  return text;
}

std::string summaryOf(const ParameterValues& changed, const ParameterValues& unchanged) {
  if (changed.empty()) return "Parameters unchanged: " + valuesText(unchanged);
  std::string text = "Parameters changed: " + valuesText(changed);
  if (!unchanged.empty()) text += "; unchanged: " + valuesText(unchanged);
  return text;
}

}  // namespace

ParameterChange describeParameterChange(const ParameterValues& requested,
                                        const ParameterValues& parametersBefore,
                                        const ParameterValues& parametersAfter,
                                        const std::vector<fsim::SketchInfo>& before,
                                        const std::vector<fsim::SketchInfo>& after) {
  const ParameterTable was(parametersBefore.begin(), parametersBefore.end());
  const ParameterTable now(parametersAfter.begin(), parametersAfter.end());
  ParameterValues changed, unchanged;
  for (const auto& [name, value] : requested) {
    const auto old = was.find(name);
    const auto found = now.find(name);
    const double shown = found == now.end() ? value : found->second;
    const bool same = old != was.end() && found != now.end() && old->second == found->second;
    (same ? unchanged : changed).emplace_back(name, shown);
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
        const Computed computed = definition ? compute(definition->request, now) : Computed{};
        const std::string status = computed.fitted ? computed.text : "";
        change.updated.push_back(place + " updated" + (status.empty() ? "" : ": " + status));
        if (!change.first) {
          change.first = SplinePlace{s, i};
          change.firstStatus = status;
        }
        continue;
      }
      const bool linked = i >= sketch.splineLinked.size() || sketch.splineLinked[i];
      if (!definition || definition->parameters.empty() || !linked ||
          storedValuesAreCurrent(definition->parameters, now)) {
        continue;
      }
      const Computed computed = compute(definition->request, now);
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

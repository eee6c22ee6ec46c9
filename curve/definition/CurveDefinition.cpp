#include "curve/definition/CurveDefinition.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <vector>

#include "curve/formula/NameCharacter.h"
#include "curve/formula/readNamedDefinitions.h"

namespace vintrel::curve {

using nlohmann::json;

namespace {

constexpr char kFormat[] = "format";
constexpr char kX[] = "x";
constexpr char kY[] = "y";
constexpr char kZ[] = "z";
constexpr char kTStart[] = "tStart";
constexpr char kTEnd[] = "tEnd";
constexpr char kParameters[] = "parameters";
constexpr char kUnits[] = "units";
constexpr char kTolerance[] = "tolerance";
constexpr char kCoordinates[] = "coordinates";
constexpr char kDefinitions[] = "definitions";
constexpr char kFewestControls[] = "fewestControls";
constexpr int kFirstFormat = 1;
// The last format without named definitions.
constexpr int kFormatWithoutDefinitions = 2;

double finiteNumber(double value, const std::string& name) {
  if (!std::isfinite(value)) throw CurveDefinitionError("\"" + name + "\" is not a finite number");
  return value;
}

const json& member(const json& object, const char* name) {
  const auto found = object.find(name);
  if (found == object.end()) throw CurveDefinitionError(std::string("missing \"") + name + '"');
  return *found;
}

std::string textMember(const json& object, const char* name) {
  const json& value = member(object, name);
  if (!value.is_string()) throw CurveDefinitionError(std::string("\"") + name + "\" is not a text");
  return value.get<std::string>();
}

double numberMember(const json& object, const char* name) {
  const json& value = member(object, name);
  if (!value.is_number()) {
    throw CurveDefinitionError(std::string("\"") + name + "\" is not a number");
  }
  return finiteNumber(value.get<double>(), name);
}

ParameterTable parameterMember(const json& object) {
  const json& values = member(object, kParameters);
  if (!values.is_object()) throw CurveDefinitionError("\"parameters\" is not an object");
  ParameterTable parameters;
  for (const auto& [name, value] : values.items()) {
    if (!value.is_number()) {
      throw CurveDefinitionError("parameter \"" + name + "\" is not a number");
    }
    parameters[name] = finiteNumber(value.get<double>(), name);
  }
  return parameters;
}

int readFormat(const json& object) {
  const json& format = member(object, kFormat);
  if (format.is_number_integer()) {
    const long long number = format.get<long long>();
    if (number >= kFirstFormat && number <= kCurveDefinitionFormat) return static_cast<int>(number);
  }
  throw CurveDefinitionError("format " + format.dump() + " is unknown");
}

LengthUnit unitMember(const json& object) {
  const std::string name = textMember(object, kUnits);
  const std::optional<LengthUnit> unit = lengthUnitNamed(name);
  if (!unit) throw CurveDefinitionError("unit \"" + name + "\" is unknown");
  return *unit;
}

double toleranceMember(const json& object) {
  const double tolerance = numberMember(object, kTolerance);
  if (!(tolerance > 0.0)) throw CurveDefinitionError("\"tolerance\" is not positive");
  return tolerance;
}

// An optional member: a curve fitted on the specified counts stores none.
bool fewestControlsMember(const json& object) {
  const auto found = object.find(kFewestControls);
  if (found == object.end()) return false;
  if (!found->is_boolean()) throw CurveDefinitionError("\"fewestControls\" is not true or false");
  return found->get<bool>();
}

// `document` with "fewestControls": true when `fewest`; a curve on the specified counts stores no
// such member, which reads as them.
json withFewestControls(json document, bool fewest) {
  if (fewest) document[kFewestControls] = true;
  return document;
}

Coordinates coordinatesMember(const json& object) {
  const std::string name = textMember(object, kCoordinates);
  const std::optional<Coordinates> coordinates = coordinatesNamed(name);
  if (!coordinates) throw CurveDefinitionError("coordinates \"" + name + "\" are unknown");
  return *coordinates;
}

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Adds to `named` the entries of `parameters` that `text` names, apart from `hidden` ones.
void addNamedParameters(const std::string& text, const ParameterTable& parameters,
                        const std::set<std::string>& hidden, ParameterTable& named) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (!isNameCharacter(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    const std::string name = nameAt(text, static_cast<int>(i));
    i += name.size();
    if (isDigit(static_cast<unsigned char>(name[0])) || hidden.count(name) != 0) continue;
    const auto found = parameters.find(name);
    if (found != parameters.end()) named.insert(*found);
  }
}

}  // namespace

std::string writeCurveDefinition(const CurveDefinition& definition) {
  const CurveRequest& request = definition.request;
  json parameters = json::object();
  for (const auto& [name, value] : definition.parameters) {
    parameters[name] = finiteNumber(value, name);
  }
  const json document = {{kFormat, kCurveDefinitionFormat},
                         {kX, request.xExpression},
                         {kY, request.yExpression},
                         {kZ, request.zExpression},
                         {kTStart, finiteNumber(request.tStart, kTStart)},
                         {kTEnd, finiteNumber(request.tEnd, kTEnd)},
                         {kUnits, request.unit.name},
                         {kTolerance, finiteNumber(request.tolerance, kTolerance)},
                         {kCoordinates, coordinatesName(request.coordinates)},
                         {kDefinitions, request.definitions},
                         {kParameters, parameters}};
  // The host gives UTF-8; a stray invalid byte is replaced rather than losing the definition.
  std::string text = withFewestControls(document, request.fewestControls)
                         .dump(-1, ' ', false, json::error_handler_t::replace);
  if (text.size() > kLongestCurveDefinition) {
    throw CurveDefinitionError("the definition is longer than 2 MB");
  }
  return text;
}

CurveDefinition readCurveDefinition(const std::string& text) {
  if (text.size() > kLongestCurveDefinition) {
    throw CurveDefinitionError("the definition is longer than 2 MB");
  }
  const json document = json::parse(text, nullptr, false);
  if (document.is_discarded()) throw CurveDefinitionError("not JSON");
  if (!document.is_object()) throw CurveDefinitionError("not a JSON object");
  const int format = readFormat(document);
  CurveDefinition definition;
  definition.request.xExpression = textMember(document, kX);
  definition.request.yExpression = textMember(document, kY);
  definition.request.zExpression = textMember(document, kZ);
  definition.request.tStart = numberMember(document, kTStart);
  definition.request.tEnd = numberMember(document, kTEnd);
  if (format != kFirstFormat) {
    definition.request.unit = unitMember(document);
    definition.request.tolerance = toleranceMember(document);
    definition.request.coordinates = coordinatesMember(document);
  }
  if (format > kFormatWithoutDefinitions) {
    definition.request.definitions = textMember(document, kDefinitions);
    definition.request.fewestControls = fewestControlsMember(document);
  }
  definition.parameters = parameterMember(document);
  return definition;
}

ParameterTable namedParameters(const CurveRequest& request, const ParameterTable& parameters) {
  std::set<std::string> hidden = {"t", "pi"};
  std::vector<std::string> texts = {request.xExpression, request.yExpression, request.zExpression};
  try {
    for (const NamedDefinition& definition : readNamedDefinitions(request.definitions)) {
      hidden.insert(definition.name);
      texts.push_back(definition.expression);
    }
  } catch (const std::runtime_error&) {
    texts.push_back(request.definitions);
  }
  ParameterTable named;
  for (const std::string& text : texts) addNamedParameters(text, parameters, hidden, named);
  return named;
}

}  // namespace vintrel::curve

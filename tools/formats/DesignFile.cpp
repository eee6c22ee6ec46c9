#include "tools/formats/DesignFile.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "tools/formats/Utf8Text.h"

namespace sorvane {

namespace {

using Json = nlohmann::ordered_json;

const char* const kPlanes[] = {"XY", "XZ", "YZ", "Tilted"};
const std::pair<const char*, ParameterKind> kKinds[] = {
    {"user", ParameterKind::User}, {"model", ParameterKind::Model}, {"text", ParameterKind::Text}};

// ---- Reading: every accessor takes the place it reads, which each error names.

[[noreturn]] void fail(const std::string& where, const std::string& problem) {
  throw DesignFileError(where.empty() ? problem : where + ": " + problem);
}

std::string indexed(const std::string& where, std::size_t i) {
  return where + "[" + std::to_string(i) + "]";
}

const char* typeName(const Json& value) {
  if (value.is_number()) return "a number";
  return value.is_object()    ? "an object"
         : value.is_array()   ? "a list"
         : value.is_string()  ? "a text"
         : value.is_boolean() ? "true or false"
                              : "null";
}

// The member `key` of the object at `where`.
const Json& member(const Json& object, const std::string& where, const char* key) {
  const auto found = object.find(key);
  if (found == object.end()) fail(where, std::string("missing \"") + key + "\"");
  return *found;
}

std::string inside(const std::string& where, const char* key) {
  return where.empty() ? key : where + "." + key;
}

void expect(bool holds, const Json& value, const std::string& where, const char* wanted) {
  if (!holds) fail(where, std::string("expected ") + wanted + ", found " + typeName(value));
}

const Json& listAt(const Json& object, const std::string& where, const char* key) {
  const Json& value = member(object, where, key);
  expect(value.is_array(), value, inside(where, key), "a list");
  return value;
}

std::string textAt(const Json& object, const std::string& where, const char* key) {
  const Json& value = member(object, where, key);
  expect(value.is_string(), value, inside(where, key), "a text");
  return value.get<std::string>();
}

bool flagAt(const Json& object, const std::string& where, const char* key) {
  const Json& value = member(object, where, key);
  expect(value.is_boolean(), value, inside(where, key), "true or false");
  return value.get<bool>();
}

// nlohmann/json refuses to parse a number beyond a double's range, so every number is finite.
double number(const Json& value, const std::string& where) {
  expect(value.is_number(), value, where, "a number");
  return value.get<double>();
}

double numberAt(const Json& object, const std::string& where, const char* key) {
  return number(member(object, where, key), inside(where, key));
}

const Json& entry(const Json& list, const std::string& where, std::size_t i) {
  const Json& value = list[i];
  expect(value.is_object(), value, indexed(where, i), "an object");
  return value;
}

DesignParameter readParameter(const Json& object, const std::string& where) {
  DesignParameter parameter;
  parameter.name = textAt(object, where, "name");
  if (parameter.name.empty()) fail(inside(where, "name"), "empty");
  const std::string kind = textAt(object, where, "kind");
  bool known = false;
  for (const auto& [name, value] : kKinds) {
    if (kind == name) parameter.kind = value, known = true;
  }
  if (!known) fail(inside(where, "kind"), "\"" + kind + "\" is not user, model or text");
  if (parameter.kind == ParameterKind::Text) {
    parameter.text = textAt(object, where, "text");
    return parameter;
  }
  parameter.value = numberAt(object, where, "value");
  if (object.contains("unit")) {
    const std::string unit = textAt(object, where, "unit");
    const std::optional<std::string> known = parameterUnitOf(unit);
    if (!known) fail(inside(where, "unit"), "\"" + unit + "\" is not one of " + kParameterUnitList);
    parameter.unit = *known;
  }
  return parameter;
}

std::vector<Point3> readPoints(const Json& list, const std::string& where) {
  std::vector<Point3> points;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Json& point = list[i];
    const std::string at = indexed(where, i);
    if (!point.is_array() || point.size() != 3) {
      fail(at, std::string("expected a point [x, y, z], found ") + typeName(point));
    }
    points.push_back(
        {number(point[0], at + "[0]"), number(point[1], at + "[1]"), number(point[2], at + "[2]")});
  }
  return points;
}

Spline readCurve(const Json& object, const std::string& where) {
  Spline curve;
  const Json& degree = member(object, where, "degree");
  if (!degree.is_number_integer() || degree.get<long long>() < 1) {
    fail(inside(where, "degree"), "expected a whole number from 1");
  }
  curve.rational = flagAt(object, where, "rational");
  curve.periodic = flagAt(object, where, "periodic");
  const std::string pointsAt = inside(where, "controlPoints");
  curve.controlPoints = readPoints(listAt(object, where, "controlPoints"), pointsAt);
  const std::size_t controls = curve.controlPoints.size();
  if (degree.get<unsigned long long>() >= controls) {
    fail(pointsAt, std::to_string(controls) + " points; degree " + degree.dump() +
                       " needs at least " + std::to_string(degree.get<unsigned long long>() + 1));
  }
  curve.degree = degree.get<int>();  // below the number of points, so it fits
  const std::string knotsAt = inside(where, "knots");
  const Json& knots = listAt(object, where, "knots");
  const std::size_t needed = controls + static_cast<std::size_t>(curve.degree) + 1;
  if (knots.size() != needed) {
    fail(knotsAt, std::to_string(knots.size()) + " values; degree " + std::to_string(curve.degree) +
                      " with " + std::to_string(controls) + " control points needs " +
                      std::to_string(needed));
  }
  for (std::size_t i = 0; i < knots.size(); ++i) {
    curve.knots.push_back(number(knots[i], indexed(knotsAt, i)));
    if (i > 0 && curve.knots[i] < curve.knots[i - 1]) {
      fail(indexed(knotsAt, i), "below the knot before it");
    }
  }
  return curve;
}

std::vector<Attribute> readAttributes(const Json& list, const std::string& where) {
  std::vector<Attribute> attributes;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string at = indexed(where, i);
    const Json& object = entry(list, where, i);
    Attribute attribute{textAt(object, at, "group"), textAt(object, at, "name"),
                        textAt(object, at, "value")};
    for (const Attribute& earlier : attributes) {
      if (earlier.group == attribute.group && earlier.name == attribute.name) {
        fail(at,
             "a second attribute \"" + attribute.name + "\" of group \"" + attribute.group + "\"");
      }
    }
    attributes.push_back(std::move(attribute));
  }
  return attributes;
}

DesignSketch readSketch(const Json& object, const std::string& where, std::size_t index) {
  DesignSketch sketch;
  sketch.name = textAt(object, where, "name");
  // The host names sketches in the order they are added; a file must name them the same way.
  const std::string expected = "Sketch" + std::to_string(index + 1);
  if (sketch.name != expected) {
    fail(inside(where, "name"), "\"" + sketch.name + "\" where \"" + expected + "\" belongs");
  }
  sketch.plane = textAt(object, where, "plane");
  bool known = false;
  for (const char* plane : kPlanes) known = known || sketch.plane == plane;
  if (!known) fail(inside(where, "plane"), "\"" + sketch.plane + "\" is not XY, XZ, YZ or Tilted");
  const std::string splinesAt = inside(where, "splines");
  const Json& splines = listAt(object, where, "splines");
  for (std::size_t i = 0; i < splines.size(); ++i) {
    const std::string at = indexed(splinesAt, i);
    const Json& spline = entry(splines, splinesAt, i);
    sketch.splines.push_back(
        {readCurve(spline, at),
         readAttributes(listAt(spline, at, "attributes"), inside(at, "attributes")),
         flagAt(spline, at, "linked")});
  }
  return sketch;
}

Json parse(std::string_view text) {
  try {
    return Json::parse(text);
  } catch (const nlohmann::json::exception& error) {
    // What follows nlohmann's "[json.exception.parse_error.101] " names the place and the fault;
    // a number too large for a double is an out_of_range error.
    const std::string message = error.what();
    const std::size_t tag = message.find("] ");
    throw DesignFileError("not JSON: " +
                          (tag == std::string::npos ? message : message.substr(tag + 2)));
  }
}

// ---- Writing

Json text(const std::string& value) { return validUtf8(value); }

const char* kindName(ParameterKind kind) {
  for (const auto& [name, value] : kKinds) {
    if (kind == value) return name;
  }
  return "user";
}

Json parameterJson(const DesignParameter& parameter) {
  Json object = {{"name", text(parameter.name)}, {"kind", kindName(parameter.kind)}};
  if (parameter.kind == ParameterKind::Text) {
    object["text"] = text(parameter.text);
  } else {
    object["value"] = parameter.value;
    if (!parameter.unit.empty()) object["unit"] = text(parameter.unit);
  }
  return object;
}

Json attributesJson(const std::vector<Attribute>& list) {
  Json attributes = Json::array();
  for (const Attribute& attribute : list) {
    attributes.push_back({{"group", text(attribute.group)},
                          {"name", text(attribute.name)},
                          {"value", text(attribute.value)}});
  }
  return attributes;
}

Json splineJson(const DesignSpline& spline) {
  Json points = Json::array();
  for (const Point3& point : spline.curve.controlPoints) points.push_back(point);
  const Json attributes = attributesJson(spline.attributes);
  return {{"degree", spline.curve.degree},
          {"rational", spline.curve.rational},
          {"periodic", spline.curve.periodic},
          {"controlPoints", points},
          {"knots", spline.curve.knots},
          {"attributes", attributes},
          {"linked", spline.linked}};
}

// The design's numeric parameter of that name: a text parameter becomes a unitless user
// parameter, and a name the design lacks a new one at the end.
DesignParameter& parameterNamed(DesignFile& design, const std::string& name) {
  for (DesignParameter& parameter : design.parameters) {
    if (parameter.name != name) continue;
    if (parameter.kind == ParameterKind::Text) {
      parameter.kind = ParameterKind::User;
      parameter.text.clear();
      parameter.unit.clear();
    }
    return parameter;
  }
  DesignParameter& added = design.parameters.emplace_back();
  added.name = name;
  return added;
}

}  // namespace

DesignFile readDesignFile(std::string_view text) {
  const Json root = parse(text);
  const auto format = root.is_object() ? root.find("sorvaneDesign") : root.end();
  if (format == root.end()) {
    throw DesignFileError("not a sorvane design (no \"sorvaneDesign\" format number)");
  }
  if (!format->is_number_integer() || format->get<long long>() != kDesignFormat) {
    throw DesignFileError("design format " + format->dump() + " is not known (this sorvane reads " +
                          std::to_string(kDesignFormat) + ")");
  }
  // Files written before the unit was named hold centimetres all the same.
  if (root.contains("unit")) {
    const std::string unit = textAt(root, "", "unit");
    if (unit != kLengthUnit) {
      fail("unit", "\"" + unit + "\" is not known (lengths are in " + kLengthUnit + ")");
    }
  }
  DesignFile design;
  // A file without it holds a centimetre design, as a new design is.
  if (root.contains("documentUnits")) {
    const std::string unit = textAt(root, "", "documentUnits");
    const std::optional<vintrel::curve::LengthUnit> known = lengthUnitOf(unit);
    if (!known) fail("documentUnits", "\"" + unit + "\" is not one of " + kLengthUnitList);
    design.documentUnits = *known;
  }
  const Json& parameters = listAt(root, "", "parameters");
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const std::string at = indexed("parameters", i);
    DesignParameter parameter = readParameter(entry(parameters, "parameters", i), at);
    for (const DesignParameter& earlier : design.parameters) {
      if (earlier.name == parameter.name) fail(at, "a second parameter \"" + earlier.name + "\"");
    }
    design.parameters.push_back(std::move(parameter));
  }
  const Json& sketches = listAt(root, "", "sketches");
  for (std::size_t i = 0; i < sketches.size(); ++i) {
    const std::string at = indexed("sketches", i);
    design.sketches.push_back(readSketch(entry(sketches, "sketches", i), at, i));
  }
  // Files written before the design kept attributes of its own have none.
  if (root.contains("attributes")) {
    design.attributes = readAttributes(listAt(root, "", "attributes"), "attributes");
  }
  return design;
}

void setParameters(DesignFile& design, const std::vector<ParameterSetting>& settings) {
  for (const ParameterSetting& setting : settings) {
    DesignParameter& parameter = parameterNamed(design, setting.name);
    parameter.value = inInternalUnits(setting.number, setting.unit);
    parameter.unit = setting.unit;
  }
}

void setParameterValues(DesignFile& design,
                        const std::vector<std::pair<std::string, double>>& values) {
  for (const auto& [name, value] : values) parameterNamed(design, name).value = value;
}

std::string writeDesignFile(const DesignFile& design) {
  Json parameters = Json::array();
  for (const DesignParameter& parameter : design.parameters) {
    parameters.push_back(parameterJson(parameter));
  }
  Json sketches = Json::array();
  for (const DesignSketch& sketch : design.sketches) {
    Json splines = Json::array();
    for (const DesignSpline& spline : sketch.splines) splines.push_back(splineJson(spline));
    sketches.push_back(
        {{"name", text(sketch.name)}, {"plane", text(sketch.plane)}, {"splines", splines}});
  }
  const Json root = {{"sorvaneDesign", kDesignFormat},
                     {"unit", kLengthUnit},
                     {"documentUnits", hostUnitText(design.documentUnits)},
                     {"parameters", parameters},
                     {"sketches", sketches},
                     {"attributes", attributesJson(design.attributes)}};
  return root.dump(2) + "\n";
}

}  // namespace sorvane

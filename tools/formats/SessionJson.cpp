#include "tools/formats/SessionJson.h"

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string_view>
#include <vector>

#include "tools/formats/Utf8Text.h"

namespace sorvane {

namespace {

// Keys stay in the order they are written in.
using Json = nlohmann::ordered_json;

// What a user typed or the add-in wrote may hold any bytes; JSON holds UTF-8 only.
Json text(std::string_view value) { return validUtf8(value); }

Json inputsOf(const CurveInputs& inputs) {
  return {{"definitions", text(inputs.definitions)},
          {"x", text(inputs.x)},
          {"y", text(inputs.y)},
          {"z", text(inputs.z)},
          {"tStart", inputs.tStart},
          {"tEnd", inputs.tEnd},
          {"units", text(inputs.units)},
          {"tolerance", inputs.tolerance},
          {"fewestControls", inputs.fewestControls},
          {"coordinates", vintrel::curve::coordinatesName(inputs.coordinates)}};
}

Json parametersOf(const SessionReport& report) {
  Json parameters = Json::object();
  for (const auto& [name, value] : report.parameters) parameters[validUtf8(name)] = value;
  return parameters;
}

Json pointsOf(const std::vector<Point3>& points) {
  Json list = Json::array();
  for (const Point3& point : points) list.push_back(point);
  return list;
}

// A sketch's spline also gives its control points in model space and its attributes, when they
// are known.
void addControlPointsAndKnots(Json& object, const Spline& spline, const Spline* world = nullptr) {
  object["controlPoints"] = pointsOf(spline.controlPoints);
  if (world) object["worldControlPoints"] = pointsOf(world->controlPoints);
  object["knots"] = spline.knots;
}

Json previewCurveOf(const PreviewCurve& curve) {
  Json object = {{"weight", curve.weight},
                 {"color", curve.color},
                 {"selectable", curve.selectable},
                 {"degree", curve.curve.degree}};
  addControlPointsAndKnots(object, curve.curve);
  return object;
}

Json previewOf(const SessionReport& report) {
  Json groups = Json::array();
  for (const PreviewGroup& group : report.preview) {
    Json curves = Json::array();
    for (const PreviewCurve& curve : group.curves) curves.push_back(previewCurveOf(curve));
    groups.push_back({{"groupId", text(group.id)}, {"curves", curves}});
  }
  return groups;
}

Json attributesOf(const std::vector<Attribute>& attributes) {
  Json list = Json::array();
  for (const Attribute& attribute : attributes) {
    list.push_back({{"group", text(attribute.group)},
                    {"name", text(attribute.name)},
                    {"value", text(attribute.value)}});
  }
  return list;
}

Json splineOf(const SketchRecord& sketch, std::size_t i) {
  const Spline& spline = sketch.splines[i];
  Json object = {
      {"degree", spline.degree}, {"rational", spline.rational}, {"periodic", spline.periodic}};
  addControlPointsAndKnots(object, spline,
                           i < sketch.worldSplines.size() ? &sketch.worldSplines[i] : nullptr);
  if (i < sketch.splineAttributes.size()) {
    object["attributes"] = attributesOf(sketch.splineAttributes[i]);
  }
  return object;
}

Json sketchesOf(const SessionReport& report) {
  Json sketches = Json::array();
  for (const SketchRecord& sketch : report.sketches) {
    Json splines = Json::array();
    for (std::size_t i = 0; i < sketch.splines.size(); ++i) splines.push_back(splineOf(sketch, i));
    sketches.push_back({{"name", text(sketch.name)},
                        {"plane", text(sketch.plane)},
                        {"new", sketch.created},
                        {"transform", sketch.transform},
                        {"splines", splines}});
  }
  return sketches;
}

}  // namespace

void writeSessionJson(const SessionReport& report, std::ostream& out) {
  Json messages = Json::array();
  for (const std::string& message : report.messages) messages.push_back(text(message));
  const Json session = {{"unit", kLengthUnit},
                        {"inputs", inputsOf(report.inputs)},
                        {"parameters", parametersOf(report)},
                        {"status", text(report.status)},
                        {"preview", previewOf(report)},
                        {"sketches", sketchesOf(report)},
                        {"messages", messages}};
  // nlohmann/json writes a double in the shortest form that reads back to it, and a non-finite
  // one as null.
  out << session.dump(2) << '\n';
}

}  // namespace sorvane

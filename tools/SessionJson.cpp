#include "tools/SessionJson.h"

#include <cstddef>
#include <string_view>
#include <vector>

#include "tools/JsonWriter.h"

namespace sorvane {

namespace {

using Layout = JsonWriter::Layout;

// One "name": value member of the object being written.
template <class T>
void field(JsonWriter& json, std::string_view name, const T& value) {
  json.key(name);
  json.value(value);
}

void writeInputs(JsonWriter& json, const CurveInputs& inputs) {
  json.beginObject(Layout::Inline);
  field(json, "x", inputs.x);
  field(json, "y", inputs.y);
  field(json, "z", inputs.z);
  field(json, "tStart", inputs.tStart);
  field(json, "tEnd", inputs.tEnd);
  json.endObject();
}

void writeParameters(JsonWriter& json, const SessionReport& report) {
  json.beginObject(Layout::Lines);
  for (const auto& [name, value] : report.parameters) field(json, name, value);
  json.endObject();
}

void writePoints(JsonWriter& json, std::string_view name, const std::vector<Point3>& points) {
  json.key(name);
  json.beginArray(Layout::Lines);
  for (const Point3& point : points) json.numbers(point.data(), point.size());
  json.endArray();
}

// A sketch's spline also gives its control points in model space, when they are known.
void writeControlPointsAndKnots(JsonWriter& json, const Spline& spline,
                                const Spline* world = nullptr) {
  writePoints(json, "controlPoints", spline.controlPoints);
  if (world) writePoints(json, "worldControlPoints", world->controlPoints);
  json.key("knots");
  json.numbers(spline.knots.data(), spline.knots.size());
}

void writePreviewCurve(JsonWriter& json, const PreviewCurve& curve) {
  json.beginObject(Layout::Lines);
  field(json, "weight", curve.weight);
  json.key("color");
  json.beginArray(Layout::Inline);
  for (int channel : curve.color) json.value(channel);
  json.endArray();
  field(json, "selectable", curve.selectable);
  field(json, "degree", curve.curve.degree);
  writeControlPointsAndKnots(json, curve.curve);
  json.endObject();
}

void writePreview(JsonWriter& json, const SessionReport& report) {
  json.beginArray(Layout::Lines);
  for (const PreviewGroup& group : report.preview) {
    json.beginObject(Layout::Lines);
    field(json, "groupId", group.id);
    json.key("curves");
    json.beginArray(Layout::Lines);
    for (const PreviewCurve& curve : group.curves) writePreviewCurve(json, curve);
    json.endArray();
    json.endObject();
  }
  json.endArray();
}

void writeSpline(JsonWriter& json, const Spline& spline, const Spline* world) {
  json.beginObject(Layout::Lines);
  field(json, "degree", spline.degree);
  field(json, "rational", spline.rational);
  field(json, "periodic", spline.periodic);
  writeControlPointsAndKnots(json, spline, world);
  json.endObject();
}

void writeSketches(JsonWriter& json, const SessionReport& report) {
  json.beginArray(Layout::Lines);
  for (const SketchRecord& sketch : report.sketches) {
    json.beginObject(Layout::Lines);
    field(json, "name", sketch.name);
    field(json, "plane", sketch.plane);
    field(json, "new", sketch.created);
    json.key("transform");
    json.numbers(sketch.transform.data(), sketch.transform.size());
    json.key("splines");
    json.beginArray(Layout::Lines);
    for (std::size_t i = 0; i < sketch.splines.size(); ++i) {
      writeSpline(json, sketch.splines[i],
                  i < sketch.worldSplines.size() ? &sketch.worldSplines[i] : nullptr);
    }
    json.endArray();
    json.endObject();
  }
  json.endArray();
}

}  // namespace

void writeSessionJson(const SessionReport& report, std::ostream& out) {
  JsonWriter json(out);
  json.beginObject(Layout::Lines);
  json.key("inputs");
  writeInputs(json, report.inputs);
  json.key("parameters");
  writeParameters(json, report);
  field(json, "status", report.status);
  json.key("preview");
  writePreview(json, report);
  json.key("sketches");
  writeSketches(json, report);
  json.key("messages");
  json.beginArray(Layout::Lines);
  for (const std::string& message : report.messages) json.value(message);
  json.endArray();
  json.endObject();
}

}  // namespace sorvane

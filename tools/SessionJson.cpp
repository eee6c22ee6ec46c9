#include "tools/SessionJson.h"

#include <string_view>

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

void writeControlPointsAndKnots(JsonWriter& json, const Spline& spline) {
  json.key("controlPoints");
  json.beginArray(Layout::Lines);
  for (const Point3& point : spline.controlPoints) json.numbers(point.data(), point.size());
  json.endArray();
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

void writeSpline(JsonWriter& json, const Spline& spline) {
  json.beginObject(Layout::Lines);
  field(json, "degree", spline.degree);
  field(json, "rational", spline.rational);
  field(json, "periodic", spline.periodic);
  writeControlPointsAndKnots(json, spline);
  json.endObject();
}

void writeSketches(JsonWriter& json, const SessionReport& report) {
  json.beginArray(Layout::Lines);
  for (const SketchRecord& sketch : report.sketches) {
    json.beginObject(Layout::Lines);
    field(json, "name", sketch.name);
    field(json, "plane", sketch.plane);
    field(json, "new", sketch.created);
    json.key("splines");
    json.beginArray(Layout::Lines);
    for (const Spline& spline : sketch.splines) writeSpline(json, spline);
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

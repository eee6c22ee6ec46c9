#include "tools/SessionJson.h"

#include "tools/JsonWriter.h"

namespace sorvane {

namespace {

using Layout = JsonWriter::Layout;

void writeInputs(JsonWriter& json, const CurveInputs& inputs) {
  json.beginObject(Layout::Inline);
  json.key("x");
  json.value(inputs.x);
  json.key("y");
  json.value(inputs.y);
  json.key("z");
  json.value(inputs.z);
  json.key("tStart");
  json.value(inputs.tStart);
  json.key("tEnd");
  json.value(inputs.tEnd);
  json.endObject();
}

void writeParameters(JsonWriter& json, const SessionReport& report) {
  json.beginObject(Layout::Lines);
  for (const auto& [name, value] : report.parameters) {
    json.key(name);
    json.value(value);
  }
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
  json.key("weight");
  json.value(curve.weight);
  json.key("color");
  json.beginArray(Layout::Inline);
  for (int channel : curve.color) json.value(channel);
  json.endArray();
  json.key("selectable");
  json.value(curve.selectable);
  json.key("degree");
  json.value(curve.curve.degree);
  writeControlPointsAndKnots(json, curve.curve);
  json.endObject();
}

void writePreview(JsonWriter& json, const SessionReport& report) {
  json.beginArray(Layout::Lines);
  for (const PreviewGroup& group : report.preview) {
    json.beginObject(Layout::Lines);
    json.key("groupId");
    json.value(group.id);
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
  json.key("degree");
  json.value(spline.degree);
  json.key("rational");
  json.value(spline.rational);
  json.key("periodic");
  json.value(spline.periodic);
  writeControlPointsAndKnots(json, spline);
  json.endObject();
}

void writeSketches(JsonWriter& json, const SessionReport& report) {
  json.beginArray(Layout::Lines);
  for (const SketchRecord& sketch : report.sketches) {
    json.beginObject(Layout::Lines);
    json.key("name");
    json.value(sketch.name);
    json.key("plane");
    json.value(sketch.plane);
    json.key("new");
    json.value(sketch.created);
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
  json.key("status");
  json.value(report.status);
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

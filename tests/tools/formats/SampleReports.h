// Small hand-made sessions for the writer tests: what sorvane would report for a straight segment
// (one cubic Bezier, so its numbers are easy to check by hand), and for an expression error.
#pragma once

#include "tools/formats/SessionReport.h"

namespace sorvane::testing {

/// x "t", y "0", z "0", t from 0 to 1: the cubic whose controls sit at the thirds of the segment.
inline Spline straightSegment() {
  Spline spline;
  spline.degree = 3;
  spline.controlPoints = {{0, 0, 0}, {1.0 / 3, 0, 0}, {2.0 / 3, 0, 0}, {1, 0, 0}};
  spline.knots = {0, 0, 0, 0, 1, 1, 1, 1};
  return spline;
}

inline SessionReport segmentSession() {
  SessionReport report;
  report.inputs = {"", "t", "0", "0", 0, 1};
  report.parameters = {{"pi", 3.141592653589793}, {"r", 2.5}};
  report.status = "4 spline controls";
  PreviewCurve curve;
  curve.weight = 3;
  curve.color = {255, 0, 0, 255};
  curve.curve = straightSegment();
  report.preview = {{"vtlCustomGraphicsID", {curve}}};
  // On the XY plane the spline lies in the model as it lies in the sketch.
  SketchRecord sketch;
  sketch.name = "Sketch1";
  sketch.plane = "XY";
  sketch.created = true;
  sketch.splines = {straightSegment()};
  sketch.worldSplines = {straightSegment()};
  report.sketches = {sketch};
  report.result = SplinePlace{0, 0};
  return report;
}

inline SessionReport errorSession() {
  SessionReport report;
  report.inputs = {"", "t <", "0", "0", 0, 1};
  report.parameters = {{"pi", 3.141592653589793}};
  report.status = "x(t): Unexpected end of expression at position 4";
  report.statusIsError = true;
  return report;
}

}  // namespace sorvane::testing

// Writes a sorvane session as JSON (with nlohmann/json): the unit of lengths, inputs, parameters,
// status, preview, sketches and messages, with numbers that read back to the same double. Used by
// sorvane's --json output and, through it, by the tests that check what the add-in did.
#pragma once

#include <ostream>

#include "tools/formats/SessionReport.h"

namespace sorvane {

/// Writes `report` to `out` as one JSON object with the keys "unit" (kLengthUnit, that of every
/// length in it), "inputs", "parameters", "status", "preview", "sketches" and "messages", in that
/// order, indented by two spaces and followed by a newline. The inputs are the "definitions" text,
/// the formulas "x", "y", "z" (those of the chosen coordinates, in their order), "tStart", "tEnd",
/// the "units" chosen,
/// the "tolerance" in them and the "coordinates" by coordinatesName. Each sketch gives its
/// "transform" (16 numbers, row after row) and its splines; each spline its "controlPoints" in
/// sketch space and, when the report has them, its "worldControlPoints" in model space and its
/// "attributes" (group, name, value). Preview curves are in model space. Non-finite numbers become
/// null; invalid UTF-8 bytes in texts become U+FFFD.
void writeSessionJson(const SessionReport& report, std::ostream& out);

}  // namespace sorvane

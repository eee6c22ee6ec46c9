// Draws a sorvane session as an SVG picture a person can read at a glance: the curve in four views
// (top XY, front XZ, side YZ, isometric) of model space, each with axes, a scale bar and the
// control polygon, above a caption with the definitions, the expressions, the t range, the
// sketch's plane when it is not XY, and the status. Used by sorvane's --svg output; it needs
// nothing but the session's plain data.
#pragma once

#include <string>

#include "tools/formats/SessionReport.h"

namespace sorvane {

/// The picture of `report` as a complete SVG 1.1 document (UTF-8), in model space; the scale bars
/// and the legend under the caption name the unit of lengths, kLengthUnit. The curve is
/// the spline OK created or replaced (report.result), where it lies in the model (its sketch's
/// worldSplines), or, when there is none (Cancel), the first preview curve; it is drawn in the
/// preview's colour (red when the preview sets none) and line weight. When the status
/// is an error, or there is no curve that can be drawn, the picture shows the status message in
/// place of the views.
std::string drawSvgPicture(const SessionReport& report);

}  // namespace sorvane

// Writes splines as a DXF drawing of version R2000 (AC1015), the oldest version with a SPLINE
// entity and one that FreeCAD, LibreCAD, QCAD, AutoCAD and Fusion 360 all import. Used by
// sorvane's --dxf output; it needs nothing but the splines' plain data.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/formats/SessionReport.h"

namespace sorvane {

/// A spline for the DXF and whether it is marked closed.
struct DxfSpline {
  Spline curve;
  /// The add-in reported the curve closed (statusReportsClosed): its spline runs round without a
  /// seam. Ends that merely meet, at a corner or within rounding, do not count.
  bool closed = false;
};

/// True when `status`, the dialog's status text, reports a closed curve: its first line is
/// "N spline controls, closed", possibly followed by ", fewest", alone or with the tolerance note.
bool statusReportsClosed(const std::string& status);

/// Writes a complete DXF R2000 file in centimetres ($INSUNITS 5, kLengthUnit) with one SPLINE
/// entity per spline on layer "0" of model space: degree, knots and control points (3D) exactly as
/// given, numbers in the shortest form that reads back to the same double. A spline whose control
/// points lie in one plane (within 1e-9 of the spline's size) gets the planar flag with that
/// plane's unit normal, its largest component positive: (0, 0, 1) for control points of one z,
/// which 2D programs need; a straight spline gets the plane through it whose normal is nearest z.
/// The closed flag is set exactly for the splines marked closed. Throws std::invalid_argument,
/// writing nothing, for a spline whose degree is below 1, that has no more control points than its
/// degree, whose knot count is not controls + degree + 1 or that has a value that is not finite.
void writeDxf(const std::vector<DxfSpline>& splines, std::ostream& out);

}  // namespace sorvane

// Writes splines as a DXF drawing of version R2000 (AC1015), the oldest version with a SPLINE
// entity and one that FreeCAD, LibreCAD, QCAD, AutoCAD and Fusion 360 all import. Used by
// sorvane's --dxf output; it needs nothing but the splines' plain data.
#pragma once

#include <ostream>
#include <vector>

#include "tools/SessionReport.h"

namespace sorvane {

/// Writes a complete DXF R2000 file in centimetres ($INSUNITS 5, the unit of the host's model
/// coordinates) with one SPLINE entity per spline on layer "0" of model space: degree, knots and
/// control points (3D) exactly as given, numbers in the shortest form that reads back to the same
/// double. A spline whose control points lie in one plane (within 1e-9 of the spline's size) gets
/// the planar flag with that plane's unit normal, its largest component positive: (0, 0, 1) for
/// control points of one z, which 2D programs need; a straight spline gets the plane through it
/// whose normal is nearest z. A spline that ends at the control point it starts from (a closed
/// curve, whose host spline has no seam) gets the closed flag. Throws std::invalid_argument,
/// writing nothing, for a spline whose degree is below 1, that has no more control points than its
/// degree, whose knot count is not controls + degree + 1 or that has a value that is not finite.
void writeDxf(const std::vector<Spline>& splines, std::ostream& out);

}  // namespace sorvane

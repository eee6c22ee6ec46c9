// Writes a spline as a STEP file (ISO 10303-21, AP214) through OpenCASCADE: one edge on the exact
// B-spline curve, in millimetres, which CAD programs import as the curve itself. Used by
// sorvane's --step output; a sorvane built without OpenCASCADE links the stand-in, which says the
// export is not available.
#pragma once

#include <ostream>
#include <string>

#include "tools/formats/SessionReport.h"

namespace sorvane {

/// Whether this build writes STEP files: true when it was built with OpenCASCADE.
bool stepWriterAvailable();

/// Writes a complete STEP file holding `spline`, whose lengths are in centimetres (kLengthUnit),
/// as one edge on its B-spline curve: the degree, the distinct knots with their multiplicities
/// and the control points, as given (a closed curve's clamped spline stays clamped, its ends on
/// one control point); non-rational and not periodic, Spline holding neither weights nor a
/// periodic form of its knots. The file's length unit is the millimetre and its numbers are
/// millimetres, each coordinate times ten; the knots are as given. Numbers are written as
/// OpenCASCADE writes them: 12 digits after the point from 0.1 to 1000, 13 significant digits
/// otherwise. The product is named `name`, whose characters outside printable ASCII become '_'.
/// Throws std::invalid_argument, writing nothing, for a spline that is no B-spline curve: a degree
/// below 1 or above 25, no more control points than the degree, a knot count other than controls
/// + degree + 1, a value that is not finite, knots that decrease, a knot repeated more than the
/// degree times inside or more than degree + 1 times at an end, or knots OpenCASCADE cannot tell
/// apart. Throws std::runtime_error, writing nothing, when OpenCASCADE fails to write the file,
/// and std::logic_error when the build has no OpenCASCADE (stepWriterAvailable is false).
void writeStep(const Spline& spline, const std::string& name, std::ostream& out);

}  // namespace sorvane

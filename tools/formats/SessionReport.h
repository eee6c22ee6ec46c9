// What one sorvane session produced, as plain data: the dialog's inputs, the parameters the add-in
// could read, the status text, the preview, the sketches and the message boxes. The session player
// fills it from the simulated host; the JSON, SVG and DXF writers read it and know no host.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "curve/formula/Coordinates.h"
#include "curve/formula/SplineTolerance.h"

namespace sorvane {

using Point3 = std::array<double, 3>;

/// The unit of every length a report, the design file and their writers hold: the host's internal
/// length unit, the centimetre, in which the add-in's formulas and Fusion's API give coordinates.
constexpr char kLengthUnit[] = "cm";

/// A B-spline or NURBS curve as the host holds it. Knots: controlPoints.size() + degree + 1 values
/// in non-decreasing order for a well-formed curve; the writers check this before using it.
struct Spline {
  int degree = 0;
  bool rational = false;
  bool periodic = false;
  std::vector<Point3> controlPoints;
  std::vector<double> knots;
};

/// One curve of a custom graphics group, with its style.
struct PreviewCurve {
  double weight = 0;
  std::array<int, 4> color{{-1, -1, -1, -1}};  ///< r, g, b, opacity; all -1 when not set
  bool selectable = false;
  Spline curve;
};

/// A named text that an add-in attached to a host object, such as a formula curve's definition.
struct Attribute {
  std::string group, name, value;
};

/// One custom graphics group of the design's root component.
struct PreviewGroup {
  std::string id;
  std::vector<PreviewCurve> curves;
};

/// One sketch of the design after the dialog closed.
struct SketchRecord {
  std::string name;             ///< "Sketch1", ...
  std::string plane;            ///< "XY", "XZ", "YZ" or "Tilted"
  bool created = false;         ///< true when the add-in created it during the session
  std::vector<Spline> splines;  ///< as the sketch holds them, in sketch space
  /// The same splines where they lie in the model, in the same order (for a report made by hand,
  /// possibly fewer).
  std::vector<Spline> worldSplines;
  /// The sketch's transform from sketch to model space, row after row (translation in cells 3,
  /// 7 and 11).
  std::array<double, 16> transform{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
  /// Each spline's attributes, in the same order as the splines (for a report made by hand,
  /// possibly fewer).
  std::vector<std::vector<Attribute>> splineAttributes;
};

/// The dialog's curve inputs as they stood when the dialog was closed.
struct CurveInputs {
  /// The "Definitions" input's text; empty for a dialog without one.
  std::string definitions;
  std::string x, y, z;  ///< the three formulas of `coordinates`, in their order
  double tStart = 0;
  double tEnd = 0;
  std::string units = "cm";  ///< the "Units" item chosen, such as "mm" or "\xC2\xB5m"
  double tolerance = vintrel::curve::kSplineTolerance;  ///< in `units`
  vintrel::curve::Coordinates coordinates = vintrel::curve::Coordinates::Cartesian;
  /// The "Fewest controls" check box ticked; false for a dialog without one.
  bool fewestControls = false;
};

/// Where a spline lies in a report: the index of its sketch in `sketches` and its index among that
/// sketch's splines.
struct SplinePlace {
  std::size_t sketch = 0;
  std::size_t spline = 0;
};

/// Everything one session produced.
struct SessionReport {
  CurveInputs inputs;
  /// The names and values the expressions could use ("pi" and the design's parameters, lengths
  /// in the dialog's unit), in ascending byte-wise name order.
  std::vector<std::pair<std::string, double>> parameters;
  /// The dialog's status text just before OK or Cancel; a note about the curve the dialog edits
  /// may follow on a line of its own.
  std::string status;
  bool statusIsError = false;
  std::vector<PreviewGroup> preview;   ///< custom graphics just before OK or Cancel
  std::vector<SketchRecord> sketches;  ///< the design's sketches after the dialog closed
  /// The spline that OK created or replaced (or the selected one OK left as it was); none after an
  /// error status or Cancel.
  std::optional<SplinePlace> result;
  std::vector<std::string> messages;  ///< texts of the message boxes shown, in order
};

}  // namespace sorvane

// What the user asks of one sorvane run, as the command line gives it: the dialog's inputs to type
// (or the parameters to change instead), where the spline goes, OK or Cancel, the design file and
// the outputs. The command line fills it, the session plays it and main writes what it asks for.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "curve/formula/Coordinates.h"
#include "curve/formula/LengthUnit.h"
#include "tools/formats/Units.h"

namespace sorvane {

/// The planes a sketch in edit can lie on: the origin planes and a plane that is offset and
/// turned (its frame is in the --help text).
enum class SketchPlane { XY, XZ, YZ, Tilted };

/// A spline of a sketch as --select names it: "Sketch1:2" is the second spline of Sketch1.
struct SplineReference {
  std::string sketch;
  std::size_t number = 0;  ///< counted from 1, in the sketch's order
};

/// What the user asked for. Inputs that are not given keep the dialog's defaults.
struct Options {
  /// --preset: the id of the library's curve to start from (the "Start from" drop-down).
  std::optional<std::string> preset;
  /// --define: typed into the "Definitions" input.
  std::optional<std::string> definitions;
  /// --x, --y, --z: the first, second and third formula of the chosen coordinates.
  std::optional<std::string> x, y, z;
  /// --t-start, --t-end, --tolerance: typed into the value inputs, which evaluate them as the
  /// host's do.
  std::optional<std::string> tStart, tEnd, tolerance;
  std::optional<vintrel::curve::LengthUnit> units;          ///< --units: the dialog's choice
  std::optional<vintrel::curve::Coordinates> coordinates;   ///< --coordinates
  std::optional<vintrel::curve::LengthUnit> documentUnits;  ///< --document-units
  /// --fewest-controls [yes|no]: tick (true) or clear the "Fewest controls" check box; none: it
  /// stays as the dialog opens it.
  std::optional<bool> fewestControls;
  /// --param, in the order given; a number without a unit is unitless.
  std::vector<ParameterSetting> parameters;
  /// --set-param, in the order given: played as the Parameters dialog instead of Sorvane; a
  /// number without a unit is in the parameter's own unit.
  std::vector<ParameterSetting> setParameters;
  std::optional<SketchPlane> editSketch;  ///< --edit-sketch [PLANE]: XY if none
  std::optional<SplineReference> select;  ///< --select SKETCH:N
  bool cancel = false;
  bool quiet = false;
  bool help = false;
  bool listPresets = false;  ///< --list-presets: print the library instead of playing a session
  std::string designPath;    ///< --design; empty: a new design, not saved
  /// empty: not wanted; "-": standard output
  std::string jsonPath, svgPath, dxfPath, stepPath;
  std::string addInPath;  ///< empty: the add-in built beside the program
};

}  // namespace sorvane

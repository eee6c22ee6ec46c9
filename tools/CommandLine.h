// The sorvane command line: the options a user gives, parsed (with CLI11) and checked before any
// host starts, and the --help text that lists them. Used by sorvane's main; knows nothing of the
// host.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "curve/formula/Coordinates.h"
#include "curve/formula/LengthUnit.h"
#include "tools/Units.h"

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

/// A command line that cannot be used; what() is one short sentence.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Parses the arguments after the program name. Options take their value as the next argument or
/// after "=" ("--x=t" or "--x t"); the value of an expression option may start with "-". The
/// plane of --edit-sketch may be left out. A later --preset, --define, --x, --y, --z, --t-start,
/// --t-end, --units, --tolerance, --coordinates, --document-units, --edit-sketch, --select or
/// --design overrides an earlier one. A parameter's value is a number, followed (directly or after
/// blanks) by a unit parameterUnitOf knows, or by nothing. Throws UsageError for an unknown option,
/// a missing or malformed value (a --preset that is no preset's id, "--preset: no preset
/// \"<id>\"; sorvane --list-presets lists them"; a parameter's value that is not a finite number
/// or is followed by what is no unit, a parameter name that is not an identifier, a parameter given
/// twice, a length unit or a coordinate system that is not known, a plane other than xy, xz, yz,
/// tilted, a spline reference that is not SKETCH:N with N from 1, "-" as the design file), a
/// positional argument, more than one output going to standard output, Sorvane's inputs (--preset
/// and --define included) with --set-param, or --select with --edit-sketch (the selected curve is
/// edited in its own sketch).
Options parseCommandLine(const std::vector<std::string>& arguments);

/// The text printed by --help: usage, each option with its text and an example in a column
/// beside it, the coordinate systems, the units of lengths, the DXF's closed flag, the STEP file,
/// how the design file is saved, the exit statuses; no line is wider than 79 columns.
std::string helpText();

}  // namespace sorvane

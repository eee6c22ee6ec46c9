// The sorvane command line: the options a user gives, parsed (with CLI11) and checked before any
// host starts, and the --help text that lists them. Used by sorvane's main; knows nothing of the
// host.
#pragma once

#include <string>
#include <vector>

#include "tools/session/Options.h"
#include "tools/session/UsageError.h"

namespace sorvane {

/// Parses the arguments after the program name. Options take their value as the next argument or
/// after "=" ("--x=t" or "--x t"); the value of an expression option may start with "-". The
/// plane of --edit-sketch and the yes or no of --fewest-controls may be left out. A later
/// --preset, --define, --x, --y, --z, --t-start, --t-end, --units, --tolerance,
/// --fewest-controls, --coordinates, --document-units, --edit-sketch, --select or --design
/// overrides an earlier one. A parameter's value is a number, followed (directly or after
/// blanks) by a unit parameterUnitOf knows, or by nothing. Throws UsageError for an unknown option,
/// a missing or malformed value (a --preset that is no preset's id, "--preset: no preset
/// \"<id>\"; sorvane --list-presets lists them"; a parameter's value that is not a finite number
/// or is followed by what is no unit, a parameter name that is not an identifier, a parameter given
/// twice, a length unit or a coordinate system that is not known, a plane other than xy, xz, yz,
/// tilted, a --fewest-controls other than yes or no, a spline reference that is not SKETCH:N with
/// N from 1, "-" as the design file), a positional argument, more than one output going to
/// standard output, Sorvane's inputs (--preset, --define and --fewest-controls included) with
/// --set-param, or --select with --edit-sketch (the selected curve is edited in its own sketch).
Options parseCommandLine(const std::vector<std::string>& arguments);

/// The text printed by --help: usage, each option with its text and an example in a column
/// beside it, the coordinate systems, the "Fewest controls" check box, the units of lengths, the
/// DXF's closed flag, the STEP file, how the design file is saved, the exit statuses; no line is
/// wider than 79 columns.
std::string helpText();

}  // namespace sorvane

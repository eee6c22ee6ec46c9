// The design file of sorvane's --design: a design's parameters, its sketches with their planes,
// their splines in sketch space and the splines' attributes, kept as JSON between runs so that a
// curve created in one run can be edited in a later one. sorvane's main reads and writes it; the
// session player builds the host's design from it and reads it back from the host.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "curve/formula/LengthUnit.h"
#include "tools/formats/SessionReport.h"
#include "tools/formats/Units.h"

namespace sorvane {

/// The format number written under "sorvaneDesign"; a file with another number is refused.
constexpr int kDesignFormat = 1;

/// The kinds of parameters a design holds: user parameters and model parameters have a value (in
/// the host's internal units) and a unit, text parameters a text.
enum class ParameterKind { User, Model, Text };

struct DesignParameter {
  std::string name;
  ParameterKind kind = ParameterKind::User;
  double value = 0;  ///< user and model parameters
  std::string text;  ///< text parameters
  std::string unit;  ///< user and model parameters: the host's text for it (Units.h), "" for none
};

struct DesignSpline {
  Spline curve;  ///< in sketch space
  std::vector<Attribute> attributes;
  bool linked = true;  ///< false once the user broke its link to the add-in that made it
};

struct DesignSketch {
  std::string name;   ///< "Sketch1", "Sketch2", ... in order
  std::string plane;  ///< "XY", "XZ", "YZ" or "Tilted"
  std::vector<DesignSpline> splines;
};

/// A design as the file holds it; parameters and sketches in design order.
struct DesignFile {
  /// The design's default length unit (Fusion's distance display units).
  vintrel::curve::LengthUnit documentUnits = vintrel::curve::centimetreUnit();
  std::vector<DesignParameter> parameters;
  std::vector<DesignSketch> sketches;
  /// The attributes on the design itself, such as the inputs the add-in keeps for a new curve.
  std::vector<Attribute> attributes;
};

/// A design file that cannot be used. what() names the place, e.g.
/// `sketches[0].splines[0].knots: 67 values; degree 3 with 64 control points needs 68`.
class DesignFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The design in `text`, checked throughout. Throws DesignFileError when the text is not JSON
/// (a number beyond a double's range included), has no or another format number, lacks a member
/// or has one of the wrong type, or holds a design the host cannot have: a parameter name that is
/// empty or given twice, a sketch not named Sketch1, Sketch2, ... in order, an unknown plane, a
/// spline whose degree is below 1, whose control points are fewer than degree + 1 or not three
/// numbers each, whose knot count is not control points + degree + 1 or whose knots decrease, an
/// attribute given twice (same group and name) on a spline or on the design (its "attributes",
/// none when absent), a "unit" other than kLengthUnit (a
/// file without one is read in that unit), a "documentUnits" lengthUnitOf does not know (a file
/// without one is a centimetre design) or a parameter's "unit" parameterUnitOf does not know (a
/// parameter without one is unitless). Members the format does not know are ignored.
DesignFile readDesignFile(std::string_view text);

/// What --param does to a loaded design: each setting's number in its unit becomes the value and
/// the unit of the design's parameter of the same name (a user or model parameter stays what it
/// is; a text parameter becomes a user parameter), or of a user parameter added at the end.
void setParameters(DesignFile& design, const std::vector<ParameterSetting>& settings);

/// What the Parameters dialog does: each value (in internal units) replaces that of the design's
/// parameter of the same name, whose unit stays (a text parameter becomes a unitless user
/// parameter), or is added at the end as a unitless user parameter.
void setParameterValues(DesignFile& design,
                        const std::vector<std::pair<std::string, double>>& values);

/// `design` as JSON text (indented by two spaces, ending in a newline), its lengths' unit named
/// under "unit", that readDesignFile reads back to the same design, every number to the same
/// double.
std::string writeDesignFile(const DesignFile& design);

}  // namespace sorvane

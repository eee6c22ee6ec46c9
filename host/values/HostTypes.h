// Plain values that the simulated host's driver hands out and takes: fault modes, the planes
// sketches lie on, length units, transforms, and snapshots of message boxes, parameters, curves,
// sketches, graphics and dialog inputs. The driver's HostSession and the simulated host's objects
// both speak in them; they sit in a folder of their own so that the simulated host never includes
// its driver.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace fsim {

/// How an injected fault picks the calls that fail. Once: only the Nth call; FromCall: the Nth
/// and every later call; Always: every call.
enum class FaultMode { Once, FromCall, Always };

/// What Application::activeProduct answers: the design, a product that is not a design, or null.
enum class ActiveProduct { Design, OtherProduct, None };

/// How a command the host plays ends, as its command-terminated event tells.
enum class CommandEnd { Completed, Cancelled, Aborted };

/// A design's default length unit, in the order of the API's DistanceUnits.
enum class LengthUnitChoice {
  Millimeter,
  Centimeter,
  Meter,
  Inch,
  Foot,
  Yard,
  Micron,
  Hectometer,
  Mile,
  Mil,
  NauticalMile
};

/// Every LengthUnitChoice, in its order.
constexpr LengthUnitChoice kLengthUnitChoices[] = {
    LengthUnitChoice::Millimeter, LengthUnitChoice::Centimeter,  LengthUnitChoice::Meter,
    LengthUnitChoice::Inch,       LengthUnitChoice::Foot,        LengthUnitChoice::Yard,
    LengthUnitChoice::Micron,     LengthUnitChoice::Hectometer,  LengthUnitChoice::Mile,
    LengthUnitChoice::Mil,        LengthUnitChoice::NauticalMile};

/// The text UnitsManager::defaultLengthUnits gives for unit, which is also how the simulated host
/// writes that unit in expressions: "mm", "cm", "m", "in", "ft", "yd", "um", "hm", "mi", "mil",
/// "nmi".
inline const char* lengthUnitText(LengthUnitChoice unit) {
  switch (unit) {
    case LengthUnitChoice::Millimeter:
      return "mm";
    case LengthUnitChoice::Centimeter:
      return "cm";
    case LengthUnitChoice::Meter:
      return "m";
    case LengthUnitChoice::Inch:
      return "in";
    case LengthUnitChoice::Foot:
      return "ft";
    case LengthUnitChoice::Yard:
      return "yd";
    case LengthUnitChoice::Micron:
      return "um";
    case LengthUnitChoice::Hectometer:
      return "hm";
    case LengthUnitChoice::Mile:
      return "mi";
    case LengthUnitChoice::Mil:
      return "mil";
    case LengthUnitChoice::NauticalMile:
      return "nmi";
  }
  return "";
}

/// The ID the simulated host gives its Parameters dialog's command.
constexpr char kParametersCommandId[] = "ChangeParameterCommand";

/// The ID the simulated host gives its Undo command.
constexpr char kUndoCommandId[] = "UndoCommand";

/// The planes a sketch of the root component can lie on: the three origin construction planes
/// and one construction plane that is offset from the origin and turned against every axis.
/// Their sketch spaces, as Fusion 360 chooses them (its Y-up front, top and right views):
/// - XY: sketch x, y, z are model x, y, z.
/// - XZ: sketch x is model x, sketch y is model -z, the normal is model y.
/// - YZ: sketch x is model -z, sketch y is model y, the normal is model x.
/// - Tilted: origin (1, 2, 3); sketch x (2, 2, -1) / 3, sketch y (-1, 2, 2) / 3, normal
///   (2, -1, 2) / 3.
enum class SketchPlane { XY, XZ, YZ, Tilted };

/// A 4 x 4 homogeneous transform row after row, as Matrix3D::asArray gives it: a point
/// (x, y, z) goes to (m0 x + m1 y + m2 z + m3, m4 x + ..., m8 x + ...).
using Transform = std::array<double, 16>;

/// A named text an add-in keeps on an entity.
struct AttributeInfo {
  std::string group, name, value;
};

/// A numeric parameter of the design.
struct ParameterInfo {
  std::string name;
  double value;            ///< in internal units: cm for lengths, radians for angles
  std::string unit;        ///< as Parameter::unit gives it: "" for none, "mm", "deg", ...
  std::string expression;  ///< as Parameter::expression gives it, e.g. "5 mm" or "2.5"
  /// Whether its unit is a length: one the host's units manager converts into centimetres.
  bool isLength = false;
};

/// One message box the add-in showed; buttons and icon are the enumerator values passed.
struct MessageBoxRecord {
  std::string text, title;
  int buttons;
  int icon;
};

/// A command definition as the user sees its button: name, tooltip and the folder of its icons.
struct CommandDefinitionInfo {
  std::string id, name, tooltip, resourceFolder;
};

/// A NurbsCurve3D as the host holds it (control points x, y, z; knots in order).
struct NurbsData {
  int degree = 0;
  bool rational = false;
  bool periodic = false;
  std::vector<std::array<double, 3>> controlPoints;
  std::vector<double> knots;
};

/// A sketch of the root component.
struct SketchInfo {
  std::string name;                     ///< "Sketch1", "Sketch2", ...
  std::string plane;                    ///< "XY", "XZ", "YZ" or "Tilted"
  bool createdDuringSession;            ///< false for sketches the test set up with addSketch()
  Transform transform;                  ///< sketch space to model space
  std::vector<NurbsData> splines;       ///< the fixed splines in sketch space, in creation order
  std::vector<NurbsData> worldSplines;  ///< the same splines in model space
  /// Each spline's attributes, parallel to `splines`.
  std::vector<std::vector<AttributeInfo>> splineAttributes;
  /// Whether each spline is still linked to the add-in that made it, parallel to `splines`.
  std::vector<bool> splineLinked;
};

/// One curve graphics of a custom graphics group.
struct CurveGraphicsInfo {
  double weight;
  std::array<int, 4> color;  ///< r, g, b, opacity; all -1 when no colour effect set
  bool selectable;
  bool visible;
  NurbsData curve;
};

/// One custom graphics group of the root component, with its curve graphics in creation order.
struct GraphicsGroupInfo {
  std::string id;
  std::vector<CurveGraphicsInfo> curves;
};

/// One input of the open dialog.
struct InputInfo {
  std::string id, type, label;  ///< type: "StringValueCommandInput", "ValueCommandInput",
                                ///< "TextBoxCommandInput", "DropDownCommandInput",
                                ///< "BoolValueCommandInput"
  /// String value / text box text / value input's expression / the name of a drop-down's
  /// selected item (its first checked one for check boxes; "" when none is)
  std::string text;
  double value = 0;  ///< value inputs only
  std::string unitType;
  int numRows = 0;
  bool readOnly = false;
  bool visible = true;             ///< false once the add-in hid the input
  std::vector<std::string> items;  ///< a drop-down's item names in order, separators left out
  bool checked = false;            ///< a check box ticked, a button pressed
  bool checkBox = false;           ///< a bool input shown as a check box, not a button
};

/// A host object that Ptrs outside the host still reference.
struct HeldObject {
  std::string type;  ///< objectType(), like "adsk::core::Application"
  int references;
};

/// Buffers the host allocated for `_raw` results and those given back through
/// DeallocateArrayInternal, since the process started.
struct HostAllocations {
  std::size_t strings = 0, stringsFreed = 0;            ///< char[] texts
  std::size_t numberArrays = 0, numberArraysFreed = 0;  ///< double[] and other number arrays
  std::size_t objectArrays = 0, objectArraysFreed = 0;  ///< arrays of object pointers
};

}  // namespace fsim

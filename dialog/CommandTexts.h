// The command's fixed texts, written once: the command's ID, name, tooltip and icon folder, the
// dialog's input IDs, labels and defaults, the notification box's ID and the help page. The add-in
// registers and builds the dialog from them; tests, benchmarks and sorvane find the inputs again by
// them.
#pragma once

namespace vintrel::dialog {

/// The command definition's and its panel control's ID.
constexpr char kCommandId[] = "vtlCommandOnPanel";
constexpr char kCommandName[] = "Sorvane";
constexpr char kCommandTooltip[] = "Create 3D parametric curve";
/// Relative to the add-in's folder; the host resolves it.
constexpr char kCommandResourceFolder[] = "./resources";
/// Where the button lives: the Sketch panel of the modelling workspace.
constexpr char kWorkspaceId[] = "FusionSolidEnvironment";
constexpr char kPanelId[] = "SketchPanel";

/// The drop-down of curves to start from, at the top of the dialog.
constexpr char kStartFromInputId[] = "startFromInput_";
/// The named definitions the formulas may use, above them.
constexpr char kDefinitionsInputId[] = "definitionsInput_";
constexpr char kXFunctionInputId[] = "xFunctionInput_";
constexpr char kYFunctionInputId[] = "yFunctionInput_";
constexpr char kZFunctionInputId[] = "zFunctionInput_";
/// The formulas of cylindrical and spherical coordinates, shown in place of x and y (and z) when
/// those coordinates are chosen; cylindrical coordinates share z, the two share θ.
constexpr char kRhoFunctionInputId[] = "rhoFunctionInput_";
constexpr char kRadiusFunctionInputId[] = "radiusFunctionInput_";
constexpr char kThetaFunctionInputId[] = "thetaFunctionInput_";
constexpr char kPhiFunctionInputId[] = "phiFunctionInput_";
constexpr char kMinTValueInputId[] = "minTValueInput_";
constexpr char kMaxTValueInputId[] = "maxTValueInput_";
/// The read-only notification box that shows the status or the error.
constexpr char kStatusDisplayId[] = "vtlStatusDisplayID";
constexpr char kUnitsInputId[] = "unitsInput_";
constexpr char kToleranceInputId[] = "toleranceValueInput_";
constexpr char kCoordinatesInputId[] = "coordinatesInput_";
/// The check box that asks the fit for the fewest controls that meet the tolerance.
constexpr char kFewestControlsInputId[] = "fewestControlsInput_";

constexpr char kXFunctionLabel[] = "x(t) =";
constexpr char kYFunctionLabel[] = "y(t) =";
constexpr char kZFunctionLabel[] = "z(t) =";
constexpr char kMinTValueLabel[] = "Starting t Value";
constexpr char kMaxTValueLabel[] = "Ending t Value";
constexpr char kStatusDisplayLabel[] = "Notifications";
constexpr char kRhoFunctionLabel[] = "\xCF\x81(t) =";
constexpr char kRadiusFunctionLabel[] = "r(t) =";
constexpr char kThetaFunctionLabel[] = "\xCE\xB8(t) =";
constexpr char kPhiFunctionLabel[] = "\xCF\x86(t) =";
constexpr char kStartFromLabel[] = "Start from";
constexpr char kDefinitionsLabel[] = "Definitions";
/// The "Start from" item that keeps what is typed; the other items are the presets' labels.
constexpr char kCurrentInputsItem[] = "(current inputs)";
constexpr char kUnitsLabel[] = "Units";
constexpr char kToleranceLabel[] = "Tolerance";
constexpr char kCoordinatesLabel[] = "Coordinates";
constexpr char kFewestControlsLabel[] = "Fewest controls";

/// The items of the "Coordinates" drop-down, in order.
constexpr char kCartesianItem[] = "Cartesian (x, y, z)";
constexpr char kCylindricalItem[] = "Cylindrical (\xCF\x81, \xCE\xB8, z)";
constexpr char kSphericalItem[] = "Spherical (r, \xCE\xB8, \xCF\x86)";
/// The items in the drop-down's order, which is that of curve::Coordinates.
constexpr const char* kCoordinatesItems[3] = {kCartesianItem, kCylindricalItem, kSphericalItem};
/// The three formula inputs of each item, in the formulas' order.
constexpr const char* kFormulaInputIds[3][3] = {
    {kXFunctionInputId, kYFunctionInputId, kZFunctionInputId},
    {kRhoFunctionInputId, kThetaFunctionInputId, kZFunctionInputId},
    {kRadiusFunctionInputId, kThetaFunctionInputId, kPhiFunctionInputId}};

/// The dialog's defaults: three turns of a helix of radius 1.
constexpr char kDefaultXFunction[] = "cos(2 * pi * t)";
constexpr char kDefaultYFunction[] = "sin(2 * pi * t)";
constexpr char kDefaultZFunction[] = "t";
constexpr char kDefaultMinTValue[] = "0.0";
constexpr char kDefaultMaxTValue[] = "3.0";
/// The same helix in cylindrical coordinates, and a spiral on the unit sphere from pole to pole
/// over the same range.
constexpr char kDefaultRhoFunction[] = "1";
constexpr char kDefaultThetaFunction[] = "2 * pi * t";
constexpr char kDefaultRadiusFunction[] = "1";
constexpr char kDefaultPhiFunction[] = "pi * t / 3";

/// Relative to the add-in's folder; the host resolves it.
constexpr char kHelpFile[] = "docs/help.html";

}  // namespace vintrel::dialog

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

constexpr char kXFunctionInputId[] = "xFunctionInput_";
constexpr char kYFunctionInputId[] = "yFunctionInput_";
constexpr char kZFunctionInputId[] = "zFunctionInput_";
constexpr char kMinTValueInputId[] = "minTValueInput_";
constexpr char kMaxTValueInputId[] = "maxTValueInput_";
/// The read-only notification box that shows the status or the error.
constexpr char kStatusDisplayId[] = "vtlStatusDisplayID";

constexpr char kXFunctionLabel[] = "x(t) =";
constexpr char kYFunctionLabel[] = "y(t) =";
constexpr char kZFunctionLabel[] = "z(t) =";
constexpr char kMinTValueLabel[] = "Starting t Value";
constexpr char kMaxTValueLabel[] = "Ending t Value";
constexpr char kStatusDisplayLabel[] = "Notifications";

/// The dialog's defaults: three turns of a helix of radius 1.
constexpr char kDefaultXFunction[] = "cos(2 * pi * t)";
constexpr char kDefaultYFunction[] = "sin(2 * pi * t)";
constexpr char kDefaultZFunction[] = "t";
constexpr char kDefaultMinTValue[] = "0.0";
constexpr char kDefaultMaxTValue[] = "3.0";

/// Relative to the add-in's folder; the host resolves it.
constexpr char kHelpFile[] = "docs/help.html";

}  // namespace vintrel::dialog

// The fixed texts of the command dialog: the IDs of its inputs, the preview group's ID, the help
// page and the fit tolerance that both the preview and the curve creation use. The dialog
// definition creates the inputs under these IDs; reading, preview and creation find them again.
#pragma once

constexpr char kXFunctionInputId[] = "xFunctionInput_";
constexpr char kYFunctionInputId[] = "yFunctionInput_";
constexpr char kZFunctionInputId[] = "zFunctionInput_";
constexpr char kMinTValueInputId[] = "minTValueInput_";
constexpr char kMaxTValueInputId[] = "maxTValueInput_";

/// The preview's custom graphics group.
constexpr char kCustomGraphicsId[] = "vtlCustomGraphicsID";
/// Relative to the add-in's folder; the host resolves it.
constexpr char kHelpFile[] = "docs/help.html";

/// Largest accepted distance of a sample from the fitted spline, in model units.
constexpr double kFitTolerance = 0.002;

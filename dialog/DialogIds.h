// The fixed texts of the command dialog: the IDs of its inputs, the preview group's ID and the
// help page. The dialog definition creates the inputs under these IDs; reading, preview and
// creation find them again.
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

// The enumerations of the core API: message box buttons, icons and answers, value types, curve
// types, command termination reasons and drop-down styles. Add-ins pass these by name; an int does
// not convert.
#pragma once

namespace adsk {
namespace core {

/// The buttons a message box offers.
enum MessageBoxButtonTypes {
  OKButtonType = 0,
  OKCancelButtonType = 1,
  RetryCancelButtonType = 2,
  YesNoButtonType = 3,
  YesNoCancelButtonType = 4
};

/// The icon a message box shows.
enum MessageBoxIconTypes {
  NoIconIconType = 0,
  QuestionIconType = 1,
  InformationIconType = 2,
  WarningIconType = 3,
  CriticalIconType = 4
};

/// The button that closed a message box.
enum DialogResults {
  DialogError = -1,
  DialogOK = 0,
  DialogCancel = 1,
  DialogYes = 2,
  DialogNo = 3
};

/// What a ValueInput holds.
enum ValueTypes {
  StringValueType = 0,
  RealValueType = 1,
  ObjectValueType = 2,
  BooleanValueType = 3
};

/// The kind of a transient 3D curve.
enum Curve3DTypes {
  Line3DCurveType = 0,
  Arc3DCurveType = 1,
  Circle3DCurveType = 2,
  Ellipse3DCurveType = 3,
  EllipticalArc3DCurveType = 4,
  InfiniteLine3DCurveType = 5,
  NurbsCurve3DCurveType = 6
};

/// Why a command ended.
enum CommandTerminationReason {
  UnknownTerminationReason = 0,
  CompletedTerminationReason = 1,
  CancelledTerminationReason = 2,
  AbortedTerminationReason = 3,
  PreEmptedTerminationReason = 4,
  SessionEndingTerminationReason = 5
};

/// How a drop-down input shows its items and how many of them can be selected.
enum DropDownStyles {
  /// Text with an icon per item (a radio button where the icon is null); one item selected.
  LabeledIconDropDownStyle = 0,
  /// A scrollable list of texts; one item selected.
  TextListDropDownStyle = 1,
  /// A check box per item; any number checked.
  CheckBoxDropDownStyle = 2
};

}  // namespace core
}  // namespace adsk

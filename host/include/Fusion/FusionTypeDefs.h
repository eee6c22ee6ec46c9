// The enumerations of the Fusion API used with parameters, sketches and custom graphics. They
// are plain enums in adsk::fusion, as in the core API.
#pragma once

namespace adsk {
namespace fusion {

/// What a parameter holds.
enum ParameterValueTypes { RealParameterValueType = 0, TextParameterValueType = 1 };

/// The degree of a control-point spline.
enum SplineDegrees { SplineDegreeThree = 3, SplineDegreeFive = 5 };

/// The dash pattern of a custom graphics curve.
enum LineStylePatterns {
  continuousLineStylePattern = 0,
  centerLineStylePattern = 1,
  dashedLineStylePattern = 2,
  dotLineStylePattern = 3,
  dottedLineStylePattern = 4,
  hiddenLineStylePattern = 5,
  phantomLineStylePattern = 6,
  tracksLineStylePattern = 7,
  zigzagLineStylePattern = 8
};

}  // namespace fusion
}  // namespace adsk

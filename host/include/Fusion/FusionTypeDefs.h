// The enumerations of the Fusion API used with parameters, units, sketches and custom graphics.
// They are plain enums in adsk::fusion, as in the core API.
#pragma once

namespace adsk {
namespace fusion {

/// What a parameter holds.
enum ParameterValueTypes { NumericParameterValueType, TextParameterValueType };

/// The unit a design shows lengths in, which also reads numbers typed without a unit.
enum DistanceUnits {
  MillimeterDistanceUnits,
  CentimeterDistanceUnits,
  MeterDistanceUnits,
  InchDistanceUnits,
  FootDistanceUnits,
  YardDistanceUnits,
  MicronDistanceUnits
};

/// The degree of a control-point spline.
enum SplineDegrees { SplineDegreeThree = 3, SplineDegreeFive = 5 };

/// The dash pattern of a custom graphics curve.
enum LineStylePatterns {
  continuousLineStylePattern,
  centerLineStylePattern,
  dashedLineStylePattern,
  dotLineStylePattern,
  hiddenLineStylePattern,
  phantomLineStylePattern,
  tracksLineStylePattern,
  zigzagLineStylePattern
};

}  // namespace fusion
}  // namespace adsk

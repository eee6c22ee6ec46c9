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
  MicronDistanceUnits,
  HectometerDistanceUnits,
  MileDistanceUnits,
  MilDistanceUnits,  ///< a thousandth of an inch
  NauticalMileDistanceUnits
};

/// The degree of a control-point spline.
enum SplineDegrees {
  SplineDegreeOne = 1,
  SplineDegreeTwo = 2,
  SplineDegreeThree = 3,
  SplineDegreeFour = 4,
  SplineDegreeFive = 5,
  SplineDegreeSix = 6,
  SplineDegreeSeven = 7,
  SplineDegreeEight = 8,
  SplineDegreeNine = 9
};

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

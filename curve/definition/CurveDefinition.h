// A formula curve's definition as it travels with its spline: the three expressions and the named
// definitions they use, the t range, the unit, tolerance and coordinate system, whether the fit
// looked for the fewest controls, and the values of the design parameters the expressions name,
// as used for the fit. The add-in stores it as a small
// JSON text on the spline when it creates or edits the curve, and reads it back to reopen the
// dialog on that curve or to refit it when a parameter changes.
#pragma once

#include <stdexcept>
#include <string>

#include "curve/formula/CurveRequest.h"
#include "curve/formula/ParameterTable.h"

namespace vintrel::curve {

/// The definition's JSON format as written. Format 1, which had no unit, tolerance or coordinate
/// system, and format 2, which had no named definitions, still read; a text of another format
/// does not.
constexpr int kCurveDefinitionFormat = 3;
/// The longest text the host keeps as one attribute value (2 MB).
constexpr std::size_t kLongestCurveDefinition = 2097152;

/// One stored curve.
struct CurveDefinition {
  CurveRequest request;
  /// The design parameters the expressions and definitions name (see namedParameters) with the
  /// values the fit used.
  ParameterTable parameters;
};

/// A stored text that is not a definition this add-in can read; what() says why in a few words
/// ("missing \"x\"", "not JSON", "format 4 is unknown").
class CurveDefinitionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The JSON text {"format": 3, "x": ..., "y": ..., "z": ..., "tStart": ..., "tEnd": ...,
/// "units": <the unit's name>, "tolerance": ..., "coordinates": <coordinatesName>,
/// "definitions": <the definitions' text>, "parameters": {name: value, ...}}, and
/// "fewestControls": true when the request asks for the fewest controls (a curve on the specified
/// counts stores no such member); every number reads back as the same double. Throws
/// CurveDefinitionError when a value is not finite (JSON has no such number) or the text would be
/// longer than kLongestCurveDefinition.
std::string writeCurveDefinition(const CurveDefinition& definition);

/// Reads a text writeCurveDefinition made (without "fewestControls": the specified counts), or one
/// of format 2, which reads as no definitions, or of format 1, which reads as centimetres,
/// kSplineTolerance, Cartesian coordinates and no definitions; texts of formats 1 and 2 read as
/// the specified counts. Members it does not know are ignored. Throws CurveDefinitionError when
/// the text is longer than kLongestCurveDefinition, is not JSON, is not of format 1, 2 or 3, or
/// lacks a member or has one of another type (texts for the expressions and the definitions,
/// finite numbers for the t range and the parameters' values, a positive one for the tolerance,
/// true or false for "fewestControls"), or names a unit or coordinate system this add-in does not
/// know.
CurveDefinition readCurveDefinition(const std::string& text);

/// The entries of `parameters` whose names the expressions of `request`, its formulas and its
/// definitions' expressions, use, apart from "t" and "pi" (the curve's own names) and the names
/// the definitions define, which hide the parameters of those names: a name is a run of muparser's
/// name characters (letters, digits, "_", and every byte of a non-ASCII character) that does not
/// start with a digit. Of a definitions text that readNamedDefinitions refuses every name counts.
ParameterTable namedParameters(const CurveRequest& request, const ParameterTable& parameters);

}  // namespace vintrel::curve

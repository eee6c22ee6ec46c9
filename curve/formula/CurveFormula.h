// The user's three formulas (x(t), y(t), z(t), or those of cylindrical or spherical coordinates),
// parsed once and ready to give the curve's Cartesian point at any t. Sampling makes one and keeps
// it with the sampled curve, so that the adaptive fit can sample a long curve more finely with the
// same parsers and the same checks.
#pragma once

#include <string>
#include <vector>

#include "curve/formula/Coordinates.h"
#include "curve/formula/CurveRequest.h"
#include "curve/formula/ExpressionEvaluator.h"
#include "curve/formula/ParameterTable.h"
#include "curve/sampling/SamplePoint.h"
#include "curve/sampling/SamplePoints.h"

namespace vintrel::curve {

/// Owns one parser per non-blank formula of a request. Not copyable; one thread at a time.
class CurveFormula {
 public:
  /// Takes the request's three formulas (an empty or all-blank one is the constant 0) in its
  /// coordinates, with every entry of `parameters` as a named constant, except an entry named
  /// "t", which the curve variable hides. Parses nothing yet: muparser parses at the first
  /// evaluation.
  CurveFormula(const CurveRequest& request, const ParameterTable& parameters);
  CurveFormula(const CurveFormula&) = delete;
  CurveFormula& operator=(const CurveFormula&) = delete;

  /// The Cartesian point of the formulas' values at t (toCartesian). Throws std::runtime_error
  /// "x(t): <message>" (or the label of another formula: formulaLabels), the message being
  /// explainExpressionError's, for a formula muparser cannot parse or evaluate (known at the
  /// first call, checked in the formulas' order), and "x(t) is not a finite number at t = <t>"
  /// for the first formula whose value is a NaN or infinite, <t> being the shortest text that
  /// reads back as the same double. Every message is one line: control characters from the
  /// formulas become blanks.
  SamplePoint pointAt(double t);

  /// The points at t[0], t[1], ... appended to `points` in that order: the same values and the
  /// same error, for the first point where one arises, as pointAt at each in turn, in about half
  /// the time for many points.
  void appendPointsAt(const std::vector<double>& t, SamplePoints& points);

 private:
  // The formulas handed to the parsers and the coordinate each gives (filled together, so the
  // coordinates come first).
  std::vector<int> coordinates_;
  std::vector<std::string> expressions_;
  Coordinates system_;
  ParameterTable constants_;
  ExpressionEvaluator evaluator_;
  int variable_;
  std::vector<double> values_;  // scratch of appendPointsAt
  std::vector<double> oneT_;    // scratch of pointAt
  SamplePoints single_;         // scratch of pointAt
};

}  // namespace vintrel::curve

// The user's three formulas (x(t), y(t), z(t), or those of cylindrical or spherical coordinates)
// and the definitions they may use, parsed once and ready to give the curve's Cartesian point at
// any t. Sampling makes one and keeps it with the sampled curve, so that the adaptive fit can
// sample a long curve more finely with the same parsers and the same checks.
#pragma once

#include <string>
#include <vector>

#include "curve/formula/Coordinates.h"
#include "curve/formula/CurveRequest.h"
#include "curve/formula/ExpressionEvaluator.h"
#include "curve/formula/NamedDefinition.h"
#include "curve/formula/ParameterTable.h"
#include "curve/formula/SamplePoint.h"
#include "curve/formula/SamplePoints.h"

namespace vintrel::curve {

/// Owns one parser per definition and per non-blank formula of a request. Not copyable; one
/// thread at a time.
class CurveFormula {
 public:
  /// Takes the request's definitions (readNamedDefinitions) and three formulas (an empty or
  /// all-blank one is the constant 0) in its coordinates, with every entry of `parameters` as a
  /// named constant, except an entry named "t", which the curve variable hides, and those named
  /// as a definition, which the definition hides. Each definition may use the names defined
  /// before it, the formulas all of them. Throws nothing: a definitions text that cannot be read
  /// is reported at every evaluation, and muparser parses at the first.
  CurveFormula(const CurveRequest& request, const ParameterTable& parameters);
  CurveFormula(const CurveFormula&) = delete;
  CurveFormula& operator=(const CurveFormula&) = delete;

  /// The Cartesian point of the formulas' values at t (toCartesian), each definition evaluated
  /// once, in order, before the formulas. Throws std::runtime_error, in this order:
  ///  - readNamedDefinitions' message for a definitions text it refuses;
  ///  - "Definitions, line <n>: <message>" for a definition, and then "x(t): <message>" (or the
  ///    label of another formula: formulaLabels) for a formula, that muparser cannot parse or
  ///    evaluate (known at the first call, checked in order), the message being
  ///    explainExpressionError's, except for a definition that uses its own name, "\"<name>\" is
  ///    used in its own definition, where it has no value yet", or one defined after it, on line
  ///    <m>, "\"<name>\" is defined later, on line <m>; define it before it is used";
  ///  - "Definitions, line <n> (<name>) is not a finite number at t = <t>" for the first
  ///    definition, else "x(t) is not a finite number at t = <t>" for the first formula, whose
  ///    value is a NaN or infinite, <t> being the shortest text that reads back as the same
  ///    double.
  /// Every message is one line: control characters from the texts become blanks.
  SamplePoint pointAt(double t);

  /// The points at t[0], t[1], ... appended to `points` in that order: the same values and the
  /// same error, for the first point where one arises, as pointAt at each in turn, with one
  /// evaluation of each parser over all of them.
  void appendPointsAt(const std::vector<double>& t, SamplePoints& points);

  /// How many times a definition or a formula has been evaluated so far: one per definition and
  /// non-blank formula for each t of pointAt and appendPointsAt.
  std::size_t evaluations() const { return evaluator_.evaluations(); }

 private:
  std::string explain(const ExpressionError& error) const;
  // Over the values of the last evaluation: the first of the first `count` values of t at which
  // a definition is not finite (`count` for none), and the first definition not finite at value
  // `k` (the count of definitions for none).
  std::size_t firstTWithNonFiniteDefinition(std::size_t count) const;
  std::size_t firstNonFiniteDefinition(std::size_t k) const;

  // What readNamedDefinitions refused, thrown at every evaluation; none are read then.
  std::string definitionsRefusal_;
  std::vector<NamedDefinition> definitions_;
  // The formulas' coordinates, and the expressions handed to the parsers: the definitions', then
  // the formulas' (filled together, so the coordinates come first).
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

// Decides which formula curves follow a change of the design's parameters, without the host. A
// curve is refitted when a parameter it uses changed since the rule last saw the curve and the
// values its definition stores are not the current ones; the rule remembers what it saw of each
// curve, so that an update Undo took back stays taken back and a curve that cannot follow is told
// of once per change. The add-in's ParameterFollower asks it after every command; sorvane asks it
// to tell what a parameter change did.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <unordered_map>

#include "curve/computed/ComputedCurve.h"
#include "curve/definition/CurveDefinition.h"
#include "curve/formula/DesignParameters.h"
#include "curve/formula/ParameterTable.h"

namespace vintrel::curve {

/// What the rule answers for one curve.
enum class FollowVerdict {
  UpToDate,   ///< the values its definition stores are the design's
  Unchanged,  ///< they are not, but nothing it uses changed since the rule last saw it
  Refit,      ///< a parameter it uses changed: compute it afresh (FollowRule::refit)
};

/// The memory of the curves seen, as plain data, and the rule that reads it. A check runs from
/// startCheck to finishCheck (or abandonCheck); looks between them see the design of startCheck.
class FollowRule {
 public:
  /// Starts a check of a design whose parameters are `design` (as the host keeps them).
  void startCheck(const DesignParameters& design);

  /// The definition a stored text holds; none for a text that cannot be read (the edit command is
  /// where a damaged definition is explained). Each text is read once, as checks run after every
  /// command.
  const std::optional<CurveDefinition>& definitionOf(const std::string& text);

  /// The current values as `unit`'s curves read them: the check's design with its lengths in
  /// `unit`, made once per unit and check.
  const ParameterTable& currentIn(const LengthUnit& unit);

  /// Whether the curve of `definition` must be looked at: it names a parameter, and its stored
  /// values are not the current ones or some parameter of the design changed since the last
  /// complete check (which saw it, if at all, with these very values).
  bool needsLook(const CurveDefinition& definition);

  /// The verdict for the curve called `key` (an empty key: a curve never seen before). A stored
  /// name the design lacks counts as a difference. A curve is compared with the values the rule
  /// last saw for it, or, at the first look, with its stored ones; the values seen now are
  /// remembered for the next check.
  FollowVerdict look(const std::string& key, const CurveDefinition& definition);

  /// The curve of `definition` computed afresh with the current values (ComputedCurve).
  /// Throws what ComputedCurve throws: the reason the curve cannot follow.
  ComputedCurve refit(const CurveDefinition& definition);

  /// Ends a check that looked at every curve of the design: when the design's parameters changed
  /// since the last complete check, the curves not looked at are forgotten (they are gone or
  /// cannot follow), else the looks are added to what is remembered.
  void finishCheck();

  /// Ends a check the host cut short: what was seen of the curves looked at is kept, and the next
  /// check takes every parameter for changed.
  void abandonCheck();

  /// Forgets every curve: the design has no formula curves.
  void forget();

 private:
  // A parameter's value as a look saw it; none: the design had no such numeric parameter.
  using SeenValues = std::map<std::string, std::optional<double>>;

  bool storedValuesAreCurrent(const CurveDefinition& definition);
  void keepLooks();

  // Curve key -> the values of the parameters it uses, as the last look saw them.
  std::unordered_map<std::string, SeenValues> seen_;
  // The looks of the check under way.
  std::unordered_map<std::string, SeenValues> looked_;
  // The design's parameters as the last complete check read them.
  std::optional<DesignParameters> lastParameters_;
  // The check under way: its design, whether it moved since the last complete check, its tables.
  DesignParameters design_;
  bool moved_ = true;
  std::map<std::string, ParameterTable> current_;
  std::unordered_map<std::string, std::optional<CurveDefinition>> definitions_;
};

}  // namespace vintrel::curve

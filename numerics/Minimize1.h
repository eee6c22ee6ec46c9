// Derivative-free search for the smallest value of a function of one variable on an interval:
// bisection to a fixed depth, with a few steps of parabolic interpolation once a bracket is found,
// remembering the best point evaluated. The adaptive curve fit uses it to find the parameter of
// the curve point nearest to a sample.
#pragma once

#include <cmath>
#include <functional>
#include <utility>

#include "numerics/DiagnosticReport.h"

namespace num {

template <typename Real>
class Minimize1 {
 public:
  /// `objective` is called for every evaluation (an empty one throws std::bad_function_call at
  /// the first). `levelBudget` bounds the depth of interval bisection, `bracketIterations` the
  /// parabolic steps per bracket; together they bound the number of evaluations.
  Minimize1(std::function<Real(Real)> objective, int levelBudget, int bracketIterations)
      : objective_(std::move(objective)),
        levelBudget_(levelBudget),
        bracketIterations_(bracketIterations) {}

  /// Searches [t0, t1] starting from t0, tGuess and t1 and returns the best point evaluated and
  /// its value (the earliest on ties; values that are not numbers never count). A tGuess outside
  /// [t0, t1] is reported ("Invalid initial t value.") and the search goes on. If no value was a
  /// number, both results are the largest finite Real.
  void GetMinimum(Real t0, Real t1, Real tGuess, Real& bestT, Real& bestValue);

 private:
  static void ReportAssertionAt(const char* function, int line, const char* message) {
    DiagnosticReport(__FILE__, function, line, message).ReportAssertion();
  }
  Real Evaluate(Real t);
  void RefineTriple(Real t0, Real y0, Real tm, Real ym, Real t1, Real y1, int level);
  void BisectInterval(Real t0, Real y0, Real t1, Real y1, int level);
  void GetBracketedMinimum(Real t0, Real y0, Real tm, Real ym, Real t1, Real y1, int level);

  static constexpr Real kStartValue = Real(1.7976931348623157e308);
  static constexpr Real kAbsoluteTolerance = Real(1e-08);
  static constexpr Real kRelativeFactor = Real(0.0002);

  std::function<Real(Real)> objective_;
  int levelBudget_;
  int bracketIterations_;
  Real bestT_ = kStartValue;
  Real bestValue_ = kStartValue;
};

// ---------------------------------------------------------------------------------------------

template <typename Real>
void Minimize1<Real>::GetMinimum(Real t0, Real t1, Real tGuess, Real& bestT, Real& bestValue) {
  if (!(t0 <= tGuess && tGuess <= t1)) {
    ReportAssertionAt("num::Minimize1<double>::GetMinimum", __LINE__, "Invalid initial t value.");
  }
  bestT_ = kStartValue;
  bestValue_ = kStartValue;
  const Real y0 = Evaluate(t0);
  const Real yGuess = Evaluate(tGuess);
  const Real y1 = Evaluate(t1);
  RefineTriple(t0, y0, tGuess, yGuess, t1, y1, levelBudget_);
  bestT = bestT_;
  bestValue = bestValue_;
}

template <typename Real>
Real Minimize1<Real>::Evaluate(Real t) {
  const Real f = objective_(t);
  if (f < bestValue_) {
    bestT_ = t;
    bestValue_ = f;
  }
  return f;
}

template <typename Real>
void Minimize1<Real>::RefineTriple(Real t0, Real y0, Real tm, Real ym, Real t1, Real y1,
                                   int level) {
  if (level == 0) return;
  --level;
  const bool bendsUpwards = (y0 - ym) * (t1 - tm) > (tm - t0) * (ym - y1);
  if (y1 > y0) {
    if (bendsUpwards && ym < y0) {
      GetBracketedMinimum(t0, y0, tm, ym, t1, y1, level);
    } else {
      BisectInterval(t0, y0, tm, ym, level);
    }
  } else if (y0 > y1) {
    if (bendsUpwards && ym < y1) {
      GetBracketedMinimum(t0, y0, tm, ym, t1, y1, level);
    } else {
      BisectInterval(tm, ym, t1, y1, level);
    }
  } else {
    BisectInterval(t0, y0, tm, ym, level);
    BisectInterval(tm, ym, t1, y1, level);
  }
}

template <typename Real>
void Minimize1<Real>::BisectInterval(Real t0, Real y0, Real t1, Real y1, int level) {
  // Each pass spends one level, as a recursive call on the kept half would.
  while (level != 0) {
    --level;
    const Real tm = (t0 + t1) * Real(0.5);
    const Real ym = Evaluate(tm);
    const bool bendsUpwards = y0 - (ym + ym) + y1 > 0;
    if (y1 > y0) {
      if (bendsUpwards && ym < y0) {
        GetBracketedMinimum(t0, y0, tm, ym, t1, y1, level);
        return;
      }
      t1 = tm;
      y1 = ym;
    } else if (y0 > y1) {
      if (bendsUpwards && ym < y1) {
        GetBracketedMinimum(t0, y0, tm, ym, t1, y1, level);
        return;
      }
      t0 = tm;
      y0 = ym;
    } else {
      BisectInterval(t0, y0, tm, ym, level);
      t0 = tm;
      y0 = ym;
    }
  }
}

template <typename Real>
void Minimize1<Real>::GetBracketedMinimum(Real t0, Real y0, Real tm, Real ym, Real t1, Real y1,
                                          int level) {
  for (int iteration = 0; iteration < bracketIterations_; ++iteration) {
    if (ym < bestValue_) {
      bestT_ = tm;
      bestValue_ = ym;
    }
    if (kRelativeFactor * std::fabs(tm) + kAbsoluteTolerance >= std::fabs(t1 - t0)) return;
    const Real dt0 = t0 - tm;
    const Real dt1 = t1 - tm;
    const Real a = (y0 - ym) * dt1;
    const Real b = (y1 - ym) * dt0;
    const Real denom = a - b;
    if (std::fabs(denom) < kAbsoluteTolerance) return;
    const Real tv = (a * dt1 - b * dt0) * Real(0.5) / denom + tm;
    if (!(t0 <= tv && tv <= t1)) {
      ReportAssertionAt("num::Minimize1<double>::GetBracketedMinimum", __LINE__,
                        "Vertex not in interval.");
    }
    const Real yv = Evaluate(tv);
    if (tv < tm) {
      if (yv < ym) {
        t1 = tm;
        y1 = ym;
        tm = tv;
        ym = yv;
      } else {
        t0 = tv;
        y0 = yv;
      }
    } else if (tv > tm) {
      if (yv < ym) {
        t0 = tm;
        y0 = ym;
        tm = tv;
        ym = yv;
      } else {
        t1 = tv;
        y1 = yv;
      }
    } else {
      // The vertex fell on the middle point (or is not a number): subdivide both halves instead;
      // the triple stays as it is for the next iteration.
      BisectInterval(t0, y0, tm, ym, level);
      BisectInterval(tm, ym, t1, y1, level);
    }
  }
}

}  // namespace num
